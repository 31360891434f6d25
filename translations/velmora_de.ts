<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>This application has been developed with the QT Framework
</source>
        <translation>Diese Anwendung wurde mit dem Qt-Framework entwickelt
</translation>
    </message>
    <message>
        <source>About QT...</source>
        <translation>Über Qt...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>AisDecoder</name>
    <message>
        <source>Wing in ground</source>
        <translation>Bodeneffektfahrzeug</translation>
    </message>
    <message>
        <source>High-speed craft</source>
        <translation>Hochgeschwindigkeitsfahrzeug</translation>
    </message>
    <message>
        <source>Passenger</source>
        <translation>Fahrgastschiff</translation>
    </message>
    <message>
        <source>Cargo</source>
        <translation>Frachtschiff</translation>
    </message>
    <message>
        <source>Tanker</source>
        <translation>Tankschiff</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Fishing</source>
        <translation>Fischerei</translation>
    </message>
    <message>
        <source>Towing</source>
        <translation>Schleppverband</translation>
    </message>
    <message>
        <source>Dredging or underwater operations</source>
        <translation>Baggerei oder Unterwasserarbeiten</translation>
    </message>
    <message>
        <source>Diving operations</source>
        <translation>Taucheinsatz</translation>
    </message>
    <message>
        <source>Military operations</source>
        <translation>Militärischer Einsatz</translation>
    </message>
    <message>
        <source>Sailing</source>
        <translation>Segelfahrzeug</translation>
    </message>
    <message>
        <source>Pleasure craft</source>
        <translation>Sportboot</translation>
    </message>
    <message>
        <source>Pilot vessel</source>
        <translation>Lotsenfahrzeug</translation>
    </message>
    <message>
        <source>Search and rescue</source>
        <translation>Such- und Rettungsdienst</translation>
    </message>
    <message>
        <source>Tug</source>
        <translation>Schlepper</translation>
    </message>
    <message>
        <source>Port tender</source>
        <translation>Hafenversorger</translation>
    </message>
    <message>
        <source>Anti-pollution</source>
        <translation>Umweltschutzfahrzeug</translation>
    </message>
    <message>
        <source>Law enforcement</source>
        <translation>Behördenfahrzeug</translation>
    </message>
    <message>
        <source>Local vessel</source>
        <translation>Örtliches Fahrzeug</translation>
    </message>
    <message>
        <source>Medical transport</source>
        <translation>Krankentransport</translation>
    </message>
    <message>
        <source>Non-combatant ship</source>
        <translation>Nichtkombattantes Schiff</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reserviert</translation>
    </message>
</context>
<context>
    <name>BasicConfirmDialog</name>
    <message>
        <source>Confirm Vessel Data</source>
        <translation>Schiffsdaten bestätigen</translation>
    </message>
    <message>
        <source>Please confirm that the vessel data shown below is correct</source>
        <translation>Bitte bestätigen Sie, dass die unten gezeigten Schiffsdaten richtig sind</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Vessel name:</source>
        <translation>Schiffsname:</translation>
    </message>
    <message>
        <source>Ship name</source>
        <translation>Schiffsname</translation>
    </message>
    <message>
        <source>Call sign:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Vessel type:</source>
        <translation>Schiffstyp:</translation>
    </message>
    <message>
        <source>Vessel type</source>
        <translation>Schiffstyp</translation>
    </message>
    <message>
        <source>Vessel dimensions:</source>
        <translation>Schiffsabmessungen:</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>Power interface unit:</source>
        <translation>Stromversorgungsbox:</translation>
    </message>
    <message>
        <source>Power Unit Enabled</source>
        <translation>Stromversorgungsbox aktiviert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Konfiguration schreiben</translation>
    </message>
    <message>
        <source>%1 (not specified)</source>
        <translation>%1 (nicht angegeben)</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
</context>
<context>
    <name>BasicTab</name>
    <message>
        <source>Send the configuration data to the Identifier.</source>
        <translation>Die Konfigurationsdaten an den Identifier senden.</translation>
    </message>
    <message>
        <source>Configure
device</source>
        <translation>Gerät
konfigurieren</translation>
    </message>
    <message>
        <source>Enable power interface unit</source>
        <translation>Stromversorgungsbox aktivieren</translation>
    </message>
    <message>
        <source>Device actions (immediate)</source>
        <translation>Geräteaktionen (sofort)</translation>
    </message>
    <message>
        <source>Clear the data matching this Identifier to a specific bracket.</source>
        <translation>Die Daten löschen, die diesen Identifier einer bestimmten Halterung zuordnen.</translation>
    </message>
    <message>
        <source>Clear paired bracket</source>
        <translation>Gekoppelte Halterung löschen</translation>
    </message>
    <message>
        <source>Place the Identifier in &apos;deep sleep&apos; to conserve battery power when the unit is not in use.</source>
        <translation>Den Identifier in den Tiefschlaf versetzen, um die Batterie zu schonen, wenn das Gerät nicht benutzt wird.</translation>
    </message>
    <message>
        <source>Set device to deep sleep</source>
        <translation>Gerät in Tiefschlaf versetzen</translation>
    </message>
</context>
<context>
    <name>BootLoaderRecovery</name>
    <message>
        <source>The image was sent, but the Identifier answers at neither 115200 nor 38400 baud.</source>
        <translation>Das Abbild wurde gesendet, aber der Identifier antwortet weder mit 115200 noch mit 38400 Baud.</translation>
    </message>
    <message>
        <source>Recovered from its boot loader; the firmware is now %1.</source>
        <translation>Aus seinem Bootloader wiederhergestellt; die Firmware ist jetzt %1.</translation>
    </message>
    <message>
        <source>The image %1 was sent, but the Identifier reports the firmware %2.</source>
        <translation>Das Abbild %1 wurde gesendet, aber der Identifier meldet die Firmware %2.</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>Der Identifier wartet in seinem Bootloader; schließen Sie ihn erneut an, um ihn wiederherzustellen.</translation>
    </message>
    <message>
        <source>The boot loader did not take the image.</source>
        <translation>Der Bootloader hat das Abbild nicht angenommen.</translation>
    </message>
    <message>
        <source>The port could not be used for the recovery.</source>
        <translation>Die Schnittstelle konnte für die Wiederherstellung nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The image could not be read whole during the recovery.</source>
        <translation>Das Abbild konnte während der Wiederherstellung nicht vollständig gelesen werden.</translation>
    </message>
    <message>
        <source>The transfer of the image was cut short.</source>
        <translation>Die Übertragung des Abbilds wurde unterbrochen.</translation>
    </message>
</context>
<context>
    <name>BroadcastComparison</name>
    <message>
        <source>Position report, class A</source>
        <translation>Positionsmeldung, Klasse A</translation>
    </message>
    <message>
        <source>Static and voyage data</source>
        <translation>Statische und Reisedaten</translation>
    </message>
    <message>
        <source>Safety message</source>
        <translation>Sicherheitsmeldung</translation>
    </message>
    <message>
        <source>Position report, class B</source>
        <translation>Positionsmeldung, Klasse B</translation>
    </message>
    <message>
        <source>Extended position report, class B</source>
        <translation>Erweiterte Positionsmeldung, Klasse B</translation>
    </message>
    <message>
        <source>Aid to navigation report</source>
        <translation>Meldung eines Schifffahrtszeichens</translation>
    </message>
    <message>
        <source>Static data, part B</source>
        <translation>Statische Daten, Teil B</translation>
    </message>
    <message>
        <source>Static data, part A</source>
        <translation>Statische Daten, Teil A</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Safety text</source>
        <translation>Sicherheitstext</translation>
    </message>
    <message>
        <source>Vessel type</source>
        <translation>Schiffstyp</translation>
    </message>
    <message>
        <source>Dimension A (bow)</source>
        <translation>Abmessung A (Bug)</translation>
    </message>
    <message>
        <source>Dimension B (stern)</source>
        <translation>Abmessung B (Heck)</translation>
    </message>
    <message>
        <source>Dimension C (port)</source>
        <translation>Abmessung C (Backbord)</translation>
    </message>
    <message>
        <source>Dimension D (starboard)</source>
        <translation>Abmessung D (Steuerbord)</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Reiseziel</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Fahrt</translation>
    </message>
    <message>
        <source>%1 kn</source>
        <translation>%1 kn</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Steuerkurs</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>%1: the device broadcasts &quot;%2&quot;, its settings say &quot;%3&quot;.</source>
        <translation>%1: Das Gerät sendet „%2“, seine Einstellungen sagen „%3“.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>BroadcastsView</name>
    <message>
        <source>What other vessels receive from the device, beside what its settings say.</source>
        <translation>Was andere Schiffe vom Gerät empfangen, neben dem, was seine Einstellungen sagen.</translation>
    </message>
    <message>
        <source>Broadcasts</source>
        <translation>Aussendungen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>No broadcast received yet. A device broadcasts once it has an MMSI.</source>
        <translation>Noch keine Aussendung empfangen. Ein Gerät sendet, sobald es eine MMSI hat.</translation>
    </message>
    <message numerus="yes">
        <source>%n seen, the last %1</source>
        <translation>
            <numerusform>%n empfangen, die letzte %1</numerusform>
            <numerusform>%n empfangen, die letzte %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>vor %n s</numerusform>
            <numerusform>vor %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>vor %n min</numerusform>
            <numerusform>vor %n min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>&quot;%1&quot; does not take %2.</source>
        <translation>„%1“ nimmt %2 nicht an.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>The Identifier&apos;s serial port. &quot;program&quot; and &quot;update&quot; take it more than once, one per device. Without it, the port is found by its USB ids.</source>
        <translation>Die serielle Schnittstelle des Identifiers. „program“ und „update“ nehmen sie mehrfach, eine je Gerät. Ohne sie wird die Schnittstelle an ihren USB-IDs erkannt.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>One JSON object per result on standard output.</source>
        <translation>Ein JSON-Objekt je Ergebnis auf der Standardausgabe.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>How long to wait for the Identifier to answer (default 20).</source>
        <translation>Wie lange auf die Antwort des Identifiers gewartet wird (Vorgabe 20).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SEKUNDEN</translation>
    </message>
    <message>
        <source>USB vendor id to look for (decimal or 0x...).</source>
        <translation>Gesuchte USB-Hersteller-ID (dezimal oder 0x...).</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>USB product id to look for (decimal or 0x...).</source>
        <translation>Gesuchte USB-Produkt-ID (dezimal oder 0x...).</translation>
    </message>
    <message>
        <source>The file to write: a profile (read) or the voyage log, .csv or .kml (voyage).</source>
        <translation>Die zu schreibende Datei: ein Profil (read) oder das Reiselogbuch, .csv oder .kml (voyage).</translation>
    </message>
    <message>
        <source>The profile file whose settings are written.</source>
        <translation>Die Profildatei, deren Einstellungen geschrieben werden.</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>write: the vessel name, instead of the profile&apos;s.</source>
        <translation>write: der Schiffsname anstelle des Namens aus dem Profil.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>write: the call sign, instead of the profile&apos;s.</source>
        <translation>write: das Rufzeichen anstelle des Rufzeichens aus dem Profil.</translation>
    </message>
    <message>
        <source>voyage: clear the device&apos;s log once the export is written.</source>
        <translation>voyage: das Reiselogbuch des Geräts löschen, sobald der Export geschrieben ist.</translation>
    </message>
    <message>
        <source>program: the CSV list of MMSIs (optionally with vessel name and call sign) to give out.</source>
        <translation>program: die CSV-Liste der zu vergebenden MMSIs (wahlweise mit Schiffsname und Rufzeichen).</translation>
    </message>
    <message>
        <source>program: update an outdated device&apos;s firmware first instead of skipping it.</source>
        <translation>program: die Firmware eines veralteten Geräts zuerst aktualisieren, statt es zu überspringen.</translation>
    </message>
    <message>
        <source>update: the firmware image to send, instead of the newest of the device&apos;s family; needed for a device waiting in its boot loader.</source>
        <translation>update: das zu sendende Firmware-Abbild statt des neuesten der Familie des Geräts; nötig für ein Gerät, das in seinem Bootloader wartet.</translation>
    </message>
    <message>
        <source>update: send an image that is not newer than the device&apos;s firmware.</source>
        <translation>update: ein Abbild senden, das nicht neuer als die Firmware des Geräts ist.</translation>
    </message>
    <message>
        <source>write, program: a PDF certificate for the owner of each device verified, into this folder.</source>
        <translation>write, program: ein PDF-Zertifikat für den Eigner jedes geprüften Geräts, in diesen Ordner.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds from 1 to 3600.</source>
        <translation>--timeout erwartet eine Anzahl Sekunden von 1 bis 3600.</translation>
    </message>
    <message>
        <source>--vendor-id takes a USB id from 0 to 65535.</source>
        <translation>--vendor-id erwartet eine USB-ID von 0 bis 65535.</translation>
    </message>
    <message>
        <source>--product-id takes a USB id from 0 to 65535.</source>
        <translation>--product-id erwartet eine USB-ID von 0 bis 65535.</translation>
    </message>
    <message>
        <source>This command needs -o FILE.</source>
        <translation>Dieser Befehl benötigt -o DATEI.</translation>
    </message>
    <message>
        <source>The voyage log is written as .csv or .kml: name the file so.</source>
        <translation>Das Reiselogbuch wird als .csv oder .kml geschrieben: benennen Sie die Datei entsprechend.</translation>
    </message>
    <message>
        <source>This command needs --profile FILE.</source>
        <translation>Dieser Befehl benötigt --profile DATEI.</translation>
    </message>
    <message>
        <source>Only &quot;write&quot; and &quot;program&quot; make certificates.</source>
        <translation>Nur „write“ und „program“ erstellen Zertifikate.</translation>
    </message>
    <message>
        <source>Only &quot;program&quot; and &quot;update&quot; take more than one --port.</source>
        <translation>Nur „program“ und „update“ nehmen mehr als ein --port.</translation>
    </message>
    <message>
        <source>The device password of a locked Identifier, on the file&apos;s first line. Without it, the password is asked on the terminal. For &quot;pool&quot;: the database password instead of the password file (~/.pgpass).</source>
        <translation>Das Gerätepasswort eines gesperrten Identifiers, in der ersten Zeile der Datei. Ohne sie wird das Passwort im Terminal abgefragt. Für „pool“: das Datenbankpasswort statt der Passwortdatei (~/.pgpass).</translation>
    </message>
    <message>
        <source>write: the MMSI to give the device; pool release: the MMSI to free.</source>
        <translation>write: die MMSI, die das Gerät erhält; pool release: die freizugebende MMSI.</translation>
    </message>
    <message>
        <source>pool, program: the MMSI pool&apos;s PostgreSQL URI (postgresql://user@host:port/database, ?host=/folder for a Unix socket), instead of --mmsi-list.</source>
        <translation>pool, program: die PostgreSQL-URI des MMSI-Pools (postgresql://benutzer@host:port/datenbank, ?host=/ordner für einen Unix-Socket), statt --mmsi-list.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>program --pool: this station&apos;s name in the pool.</source>
        <translation>program --pool: der Name dieser Station im Pool.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>pool release: why the MMSI is freed, kept in the pool.</source>
        <translation>pool release: warum die MMSI freigegeben wird, im Pool festgehalten.</translation>
    </message>
    <message>
        <source>Reads, writes and programs Identifiers without a window.

Commands:
  ports     every serial port, the Identifier&apos;s marked
  info      firmware version, serial number, MMSI, generation
  read      every setting into a profile file (-o FILE)
  write     a profile&apos;s settings, read back and verified
  voyage    the voyage log into a CSV or KML file (-o FILE)
  monitor   the device&apos;s own AIS broadcasts, decoded
  program   production: every device plugged in gets the next MMSI of the list or of the pool
  update    the firmware of each device (--port, once per device)
  pool init      creates or upgrades the pool&apos;s tables
  pool import    LIST.csv: adds the list&apos;s MMSIs to the pool
  pool status    counts per state, every reserved MMSI
  pool release   frees a reserved MMSI (--mmsi N --reason TEXT)
  (every pool command needs --pool URL)</source>
        <translation>Liest, schreibt und programmiert Identifier ohne Fenster.

Befehle:
  ports     alle seriellen Schnittstellen, die des Identifiers markiert
  info      Firmware-Version, Seriennummer, MMSI, Generation
  read      alle Einstellungen in eine Profildatei (-o DATEI)
  write     die Einstellungen eines Profils, zurückgelesen und geprüft
  voyage    das Reiselogbuch in eine CSV- oder KML-Datei (-o DATEI)
  monitor   die eigenen AIS-Aussendungen des Geräts, dekodiert
  program   Produktion: jedes angesteckte Gerät erhält die nächste MMSI der Liste oder des Pools
  update    die Firmware jedes Geräts (--port, einmal je Gerät)
  pool init      legt die Tabellen des Pools an oder aktualisiert sie
  pool import    LISTE.csv: fügt die MMSIs der Liste dem Pool hinzu
  pool status    Anzahl je Zustand, jede reservierte MMSI
  pool release   gibt eine reservierte MMSI frei (--mmsi N --reason TEXT)
  (jeder pool-Befehl benötigt --pool URL)</translation>
    </message>
    <message>
        <source>ports, info, read, write, voyage, monitor, program, update or pool</source>
        <translation>ports, info, read, write, voyage, monitor, program, update oder pool</translation>
    </message>
    <message>
        <source>
Exit codes:
  0  done (and, for a write, verified by reading back; monitor: listened to the
     end, or stopped with Ctrl-C)
  1  the command line is wrong
  2  no Identifier found
  3  communication with the Identifier failed
  4  the device does not hold what was written (program: or holds an MMSI the
     list cannot give it, or an MMSI is left reserved for an unverified write)
  5  a file could not be read or written
  6  cancelled (Ctrl-C)
  7  the MMSI pool&apos;s server could not be used, or refused the change
  8  update: the image does not suit the device (another family, not newer
     without --force, empty or unreadable); the device was left running
</source>
        <translation>
Exit-Codes:
  0  erledigt (und bei write durch Zurücklesen geprüft; monitor: bis zum Ende
     zugehört oder mit Strg-C beendet)
  1  die Befehlszeile ist falsch
  2  kein Identifier gefunden
  3  die Kommunikation mit dem Identifier ist fehlgeschlagen
  4  das Gerät enthält nicht, was geschrieben wurde (program: oder es enthält eine
     MMSI, die die Liste ihm nicht geben kann, oder eine MMSI bleibt für ein
     nicht geprüftes Schreiben reserviert)
  5  eine Datei konnte nicht gelesen oder geschrieben werden
  6  abgebrochen (Strg-C)
  7  der Server des MMSI-Pools war nicht erreichbar oder hat die Änderung abgelehnt
  8  update: das Abbild passt nicht zum Gerät (andere Familie, ohne --force nicht
     neuer, leer oder unlesbar); das Gerät läuft weiter
</translation>
    </message>
    <message>
        <source>&quot;pool&quot; needs init, import, status or release.</source>
        <translation>„pool“ benötigt init, import, status oder release.</translation>
    </message>
    <message>
        <source>Unknown pool command &quot;%1&quot;.</source>
        <translation>Unbekannter pool-Befehl „%1“.</translation>
    </message>
    <message>
        <source>&quot;pool import&quot; needs the list file: pool import --pool URL LIST.csv</source>
        <translation>„pool import“ benötigt die Listendatei: pool import --pool URL LISTE.csv</translation>
    </message>
    <message>
        <source>&quot;program&quot; needs either --mmsi-list FILE or --pool URL.</source>
        <translation>„program“ benötigt entweder --mmsi-list DATEI oder --pool URL.</translation>
    </message>
    <message>
        <source>&quot;program --pool&quot; needs --station NAME.</source>
        <translation>„program --pool“ benötigt --station NAME.</translation>
    </message>
    <message>
        <source>&quot;pool&quot; needs --pool URL.</source>
        <translation>„pool“ benötigt --pool URL.</translation>
    </message>
    <message>
        <source>&quot;pool release&quot; needs --mmsi N and --reason TEXT.</source>
        <translation>„pool release“ benötigt --mmsi N und --reason TEXT.</translation>
    </message>
    <message>
        <source>monitor: how long to listen; without it, until Ctrl-C.</source>
        <translation>monitor: wie lange zugehört wird; ohne die Option bis Strg-C.</translation>
    </message>
    <message>
        <source>--seconds takes a number of seconds from 1 to 86400.</source>
        <translation>--seconds erwartet eine Anzahl Sekunden von 1 bis 86400.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Versuchen Sie „%1 --help“.</translation>
    </message>
    <message>
        <source>	(Identifier)</source>
        <translation>	(Identifier)</translation>
    </message>
    <message>
        <source>No serial ports.</source>
        <translation>Keine seriellen Schnittstellen.</translation>
    </message>
    <message>
        <source>Password of the Identifier: </source>
        <translation>Passwort des Identifiers: </translation>
    </message>
    <message>
        <source>The Identifier is locked; give its password with --password-file FILE.</source>
        <translation>Der Identifier ist gesperrt; geben Sie sein Passwort mit --password-file DATEI an.</translation>
    </message>
    <message>
        <source>The Identifier refused the password.</source>
        <translation>Der Identifier hat das Passwort abgelehnt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use PATH as the Identifier&apos;s port whenever it exists, without matching USB ids.</source>
        <translation>PFAD als Schnittstelle des Identifiers verwenden, wann immer es ihn gibt, ohne Abgleich der USB-IDs.</translation>
    </message>
    <message>
        <source>Configures, monitors and updates the Identifier.</source>
        <translation>Konfiguriert, überwacht und aktualisiert den Identifier.</translation>
    </message>
    <message>
        <source>USB vendor id of the device to look for, in decimal.</source>
        <translation>USB-Hersteller-ID des gesuchten Geräts, dezimal.</translation>
    </message>
    <message>
        <source>USB product id of the device to look for, in decimal.</source>
        <translation>USB-Produkt-ID des gesuchten Geräts, dezimal.</translation>
    </message>
    <message>
        <source>The option --port needs the path of a port.</source>
        <translation>Die Option --port benötigt den Pfad einer Schnittstelle.</translation>
    </message>
    <message>
        <source>A vendor id needs a product id after it; looking for the Identifier&apos;s own ids.</source>
        <translation>Auf eine Hersteller-ID muss eine Produkt-ID folgen; es wird nach den eigenen IDs des Identifiers gesucht.</translation>
    </message>
    <message>
        <source>Ignoring the arguments after the product id: %1</source>
        <translation>Die Argumente nach der Produkt-ID werden ignoriert: %1</translation>
    </message>
    <message>
        <source>The vendor id &quot;%1&quot; is not a decimal number; using 0.</source>
        <translation>Die Hersteller-ID „%1“ ist keine Dezimalzahl; es wird 0 verwendet.</translation>
    </message>
    <message>
        <source>The product id &quot;%1&quot; is not a decimal number; using 0.</source>
        <translation>Die Produkt-ID „%1“ ist keine Dezimalzahl; es wird 0 verwendet.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
</context>
<context>
    <name>CompleteFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ConfigurationLogImport</name>
    <message>
        <source>Cannot read the configuration log %1: %2</source>
        <translation>Das Konfigurationsprotokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ConfigurationTab</name>
    <message>
        <source>AIS messages</source>
        <translation>AIS-Meldungen</translation>
    </message>
    <message>
        <source>AIS position message interval:</source>
        <translation>Intervall der AIS-Positionsmeldung:</translation>
    </message>
    <message>
        <source>Adjust the transmission interval of the vessel position message.</source>
        <translation>Das Sendeintervall der Positionsmeldung des Schiffs einstellen.</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>Enable the the high rate of speed over ground  message.</source>
        <translation>Die Meldung mit hoher Rate für die Fahrt über Grund aktivieren.</translation>
    </message>
    <message>
        <source>Enable high-rate reporting</source>
        <translation>Meldungen mit hoher Rate aktivieren</translation>
    </message>
    <message>
        <source>AIS position message high-rate SOG:</source>
        <translation>SOG für hohe Rate der AIS-Positionsmeldung:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Set the threshold speed at which the high rate of speed over ground  message will be sent.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Geschwindigkeitsschwelle einstellen, ab der die Meldung mit hoher Rate für die Fahrt über Grund gesendet wird.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> knots</source>
        <translation> kn</translation>
    </message>
    <message>
        <source>AIS position message high-rate interval:</source>
        <translation>Intervall bei hoher Rate der AIS-Positionsmeldung:</translation>
    </message>
    <message>
        <source>Adjust the transmission interval of the high rate of speed over ground  message.</source>
        <translation>Das Sendeintervall der Meldung mit hoher Rate für die Fahrt über Grund einstellen.</translation>
    </message>
    <message>
        <source>Transmission frequency A:</source>
        <translation>Sendefrequenz A:</translation>
    </message>
    <message>
        <source>Select the transmission frequency for channel A (AIS default is 161.975 MHz).</source>
        <translation>Die Sendefrequenz für Kanal A wählen (AIS-Vorgabe ist 161,975 MHz).</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transmission frequency B:</source>
        <translation>Sendefrequenz B:</translation>
    </message>
    <message>
        <source>Select the transmission frequency for channel B (AIS default is 162.025 MHz).</source>
        <translation>Die Sendefrequenz für Kanal B wählen (AIS-Vorgabe ist 162,025 MHz).</translation>
    </message>
    <message>
        <source>Enable the second transmit channel. The frequency can be set using the adjacent control.</source>
        <translation>Den zweiten Sendekanal aktivieren. Die Frequenz wird mit dem Feld daneben eingestellt.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>  Serial number:</source>
        <translation>  Seriennummer:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
</context>
<context>
    <name>ConsoleFind</name>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>DeviceCommand</name>
    <message>
        <source>Connecting to the Identifier on %1...</source>
        <translation>Verbindung zum Identifier an %1...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation>Es gibt keine Schnittstelle %1.</translation>
    </message>
    <message>
        <source>No Identifier found. Check the USB cable, or name the port with --port.</source>
        <translation>Kein Identifier gefunden. Prüfen Sie das USB-Kabel oder nennen Sie die Schnittstelle mit --port.</translation>
    </message>
    <message>
        <source>Fetching the voyage log...</source>
        <translation>Das Reiselogbuch wird abgerufen...</translation>
    </message>
    <message>
        <source>Reading the settings...</source>
        <translation>Die Einstellungen werden gelesen...</translation>
    </message>
    <message>
        <source>Writing and reading back...</source>
        <translation>Schreiben und Zurücklesen...</translation>
    </message>
    <message>
        <source>Port:          %1
Firmware:      %2
Serial number: %3
MMSI:          %4
Generation:    %5</source>
        <translation>Schnittstelle: %1
Firmware:      %2
Seriennummer:  %3
MMSI:          %4
Generation:    %5</translation>
    </message>
    <message>
        <source>The settings of %1 are in %2.</source>
        <translation>Die Einstellungen von %1 stehen in %2.</translation>
    </message>
    <message>
        <source>Not on this device, not written: %1</source>
        <translation>Auf diesem Gerät nicht vorhanden, nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Written and verified on %1.</source>
        <translation>Geschrieben und geprüft auf %1.</translation>
    </message>
    <message>
        <source>Certificate: %1</source>
        <translation>Zertifikat: %1</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: gesendet „%2“, das Gerät enthält „%3“</translation>
    </message>
    <message numerus="yes">
        <source>The device does not hold %n of the settings written.</source>
        <translation>
            <numerusform>Das Gerät enthält %n der geschriebenen Einstellungen nicht.</numerusform>
            <numerusform>Das Gerät enthält %n der geschriebenen Einstellungen nicht.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Clearing the device&apos;s voyage log...</source>
        <translation>Das Reiselogbuch des Geräts wird gelöscht...</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) written to %1.</source>
        <translation>
            <numerusform>%n Eintrag in %1 geschrieben.</numerusform>
            <numerusform>%n Einträge in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The device&apos;s voyage log is cleared.</source>
        <translation>Das Reiselogbuch des Geräts ist gelöscht.</translation>
    </message>
    <message>
        <source>The device did not say how many records its voyage log holds; nothing was written and the device keeps its log.</source>
        <translation>Das Gerät hat nicht mitgeteilt, wie viele Einträge sein Reiselogbuch enthält; nichts wurde geschrieben, und das Gerät behält es.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 records of the device&apos;s voyage log arrived; nothing was written and the device keeps its log. Try again.</source>
        <translation>Nur %1 der %2 Einträge des Reiselogbuchs sind angekommen; nichts wurde geschrieben, und das Gerät behält es. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Not offered by the window, written as it is: %1</source>
        <translation>Nicht im Fenster angeboten, unverändert geschrieben: %1</translation>
    </message>
    <message numerus="yes">
        <source>Listening to the Identifier&apos;s broadcasts for %n s...</source>
        <translation>
            <numerusform>Die Aussendungen des Identifiers werden %n s lang mitgehört...</numerusform>
            <numerusform>Die Aussendungen des Identifiers werden %n s lang mitgehört...</numerusform>
        </translation>
    </message>
    <message>
        <source>Listening to the Identifier&apos;s broadcasts until Ctrl-C...</source>
        <translation>Die Aussendungen des Identifiers werden bis Strg-C mitgehört...</translation>
    </message>
</context>
<context>
    <name>DeviceSession</name>
    <message>
        <source>The connection to the Identifier ended.</source>
        <translation>Die Verbindung zum Identifier ist beendet.</translation>
    </message>
    <message>
        <source>The write was cut off: the Identifier may be half-written, holding some of the new settings and not others. Connect it again and write once more.</source>
        <translation>Das Schreiben wurde abgebrochen: Der Identifier ist womöglich nur halb beschrieben und hält einige der neuen Einstellungen, andere nicht. Schließen Sie ihn wieder an und schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>The Identifier on %1 is locked and did not accept the password.</source>
        <translation>Der Identifier an %1 ist gesperrt und hat das Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>The Identifier on %1 did not answer within %2 s.</source>
        <translation>Der Identifier an %1 hat nicht innerhalb von %2 s geantwortet.</translation>
    </message>
</context>
<context>
    <name>DiagnosticsTab</name>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Gerätedaten</translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation>MMSI-Nummer:</translation>
    </message>
    <message>
        <source>Ship&apos;s MMSI, 9 digits in length</source>
        <translation>MMSI des Schiffs, 9 Ziffern lang</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>The units serial number, 12 characters in length</source>
        <translation>Die Seriennummer des Geräts, 12 Zeichen lang</translation>
    </message>
    <message>
        <source>SW version:</source>
        <translation>SW-Version:</translation>
    </message>
    <message>
        <source>Status indicators</source>
        <translation>Statusanzeigen</translation>
    </message>
    <message>
        <source>Battery voltage:</source>
        <translation>Batteriespannung:</translation>
    </message>
    <message>
        <source>The reported battery voltage.</source>
        <translation>Die gemeldete Batteriespannung.</translation>
    </message>
    <message>
        <source>Battery Status:</source>
        <translation>Batteriestatus:</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>The reported RSSI</source>
        <translation>Der gemeldete RSSI</translation>
    </message>
    <message>
        <source>LED indicator:</source>
        <translation>LED-Anzeige:</translation>
    </message>
    <message>
        <source>Power Box Enabled: </source>
        <translation>Stromversorgungsbox: </translation>
    </message>
    <message>
        <source>Export configuration log</source>
        <translation>Konfigurationsprotokoll exportieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Export the automatic configuration log.  The log is copied to the desktop by default.  Existing files of the same name are overwritten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Das automatische Konfigurationsprotokoll exportieren. Das Protokoll wird standardmäßig auf den Desktop kopiert. Vorhandene Dateien gleichen Namens werden überschrieben.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Scheduled message indications</source>
        <translation>Anzeigen geplanter Meldungen</translation>
    </message>
    <message>
        <source>Note that these messages are infrequent.</source>
        <translation>Beachten Sie, dass diese Meldungen selten sind.</translation>
    </message>
    <message>
        <source>Configuration (*.log)</source>
        <translation>Konfiguration (*.log)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>Export configuration log...</source>
        <translation>Konfigurationsprotokoll exportieren...</translation>
    </message>
</context>
<context>
    <name>DiagnosticsTexts</name>
    <message>
        <source>0 Temperature charge pause</source>
        <translation>0 Ladepause wegen Temperatur</translation>
    </message>
    <message>
        <source>1 Fault, charge halt</source>
        <translation>1 Fehler, Laden angehalten</translation>
    </message>
    <message>
        <source>2 Charge in progress</source>
        <translation>2 Ladevorgang läuft</translation>
    </message>
    <message>
        <source>3 Charge complete</source>
        <translation>3 Laden abgeschlossen</translation>
    </message>
    <message>
        <source>4 No charge supply</source>
        <translation>4 Keine Ladespannung</translation>
    </message>
    <message>
        <source>5 No battery fitted</source>
        <translation>5 Keine Batterie eingesetzt</translation>
    </message>
    <message>
        <source>6 Charging, reduced current</source>
        <translation>6 Laden mit verringertem Strom</translation>
    </message>
    <message>
        <source>0 Battery not charging</source>
        <translation>0 Batterie lädt nicht</translation>
    </message>
    <message>
        <source>1 Battery charging</source>
        <translation>1 Batterie lädt</translation>
    </message>
    <message>
        <source>2 Charge complete</source>
        <translation>2 Laden abgeschlossen</translation>
    </message>
    <message>
        <source>3 Charge fault</source>
        <translation>3 Ladefehler</translation>
    </message>
    <message>
        <source>0 SOS alert</source>
        <translation>0 SOS-Alarm</translation>
    </message>
    <message>
        <source>1 Charge fault </source>
        <translation>1 Ladefehler </translation>
    </message>
    <message>
        <source>2 GeoFence alert</source>
        <translation>2 Geofence-Alarm</translation>
    </message>
    <message>
        <source>3 Low battery</source>
        <translation>3 Batterie schwach</translation>
    </message>
    <message>
        <source>4 Bracket mismatch</source>
        <translation>4 Falsche Halterung</translation>
    </message>
    <message>
        <source>5 No position</source>
        <translation>5 Keine Position</translation>
    </message>
    <message>
        <source>6 Tx error</source>
        <translation>6 Sendefehler</translation>
    </message>
    <message>
        <source>7 No MMSI</source>
        <translation>7 Keine MMSI</translation>
    </message>
    <message>
        <source>8 OK (in bracket)</source>
        <translation>8 OK (in Halterung)</translation>
    </message>
    <message>
        <source>9 Charging</source>
        <translation>9 Lädt</translation>
    </message>
    <message>
        <source>10 Charge complete</source>
        <translation>10 Laden abgeschlossen</translation>
    </message>
    <message>
        <source>0 User alert</source>
        <translation>0 Benutzeralarm</translation>
    </message>
    <message>
        <source>1 Geofence alert</source>
        <translation>1 Geofence-Alarm</translation>
    </message>
    <message>
        <source>2 Bootloader</source>
        <translation>2 Bootloader</translation>
    </message>
    <message>
        <source>3 No MMSI</source>
        <translation>3 Keine MMSI</translation>
    </message>
    <message>
        <source>4 Wrong ID</source>
        <translation>4 Falsche ID</translation>
    </message>
    <message>
        <source>5 No GPS</source>
        <translation>5 Kein GPS</translation>
    </message>
    <message>
        <source>6 TX error</source>
        <translation>6 Sendefehler</translation>
    </message>
    <message>
        <source>7 Error</source>
        <translation>7 Fehler</translation>
    </message>
    <message>
        <source>8 Battery 10% alert</source>
        <translation>8 Batteriealarm 10 %</translation>
    </message>
    <message>
        <source>9 Battery 25% aler</source>
        <translation>9 Batteriealarm 25 %</translation>
    </message>
    <message>
        <source>10 Battery 50% aler</source>
        <translation>10 Batteriealarm 50 %</translation>
    </message>
    <message>
        <source>11 Battery charging</source>
        <translation>11 Batterie lädt</translation>
    </message>
    <message>
        <source>12 Battery charge error</source>
        <translation>12 Batterieladefehler</translation>
    </message>
    <message>
        <source>13 Battery charge complete</source>
        <translation>13 Batterie vollständig geladen</translation>
    </message>
    <message>
        <source>14 Operating normally</source>
        <translation>14 Normalbetrieb</translation>
    </message>
    <message>
        <source>15 Test LED red</source>
        <translation>15 Test-LED rot</translation>
    </message>
    <message>
        <source>16 Test LED green</source>
        <translation>16 Test-LED grün</translation>
    </message>
    <message>
        <source>17 Test LED blue</source>
        <translation>17 Test-LED blau</translation>
    </message>
    <message>
        <source>18 Number of indicators</source>
        <translation>18 Anzahl der Anzeigen</translation>
    </message>
    <message>
        <source>0 Power Box Disabled</source>
        <translation>0 deaktiviert</translation>
    </message>
    <message>
        <source>1 Power Box Enabled</source>
        <translation>1 aktiviert</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>99 Default priority</source>
        <translation>99 Standardpriorität</translation>
    </message>
</context>
<context>
    <name>DisconnectDialog</name>
    <message>
        <source>Programming Complete</source>
        <translation>Programmierung abgeschlossen</translation>
    </message>
    <message>
        <source>The Identifier has been configured successfully.</source>
        <translation>Der Identifier wurde erfolgreich konfiguriert.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verified: every setting sent was read back from the Identifier.</source>
        <translation>Geprüft: jede gesendete Einstellung wurde vom Identifier zurückgelesen.</translation>
    </message>
    <message>
        <source>Save certificate...</source>
        <translation>Zertifikat speichern...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save certificate</source>
        <translation>Zertifikat speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Certificate saved as %1.</source>
        <translation>Zertifikat gespeichert als %1.</translation>
    </message>
</context>
<context>
    <name>Flashwell</name>
    <message>
        <source>Updating AIS Identifier</source>
        <translation>AIS-Identifier wird aktualisiert</translation>
    </message>
    <message>
        <source>Update incomplete</source>
        <translation>Aktualisierung unvollständig</translation>
    </message>
    <message>
        <source>It has not been possible to update this AIS Identifier.</source>
        <translation>Dieser AIS-Identifier konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>You may retry, or contact your supplier for support. The parent application will repeat this update attempt and will not continue unless it is successful.</source>
        <translation>Sie können es erneut versuchen oder sich an Ihren Lieferanten wenden. Das aufrufende Programm wiederholt die Aktualisierung, bis sie gelingt.</translation>
    </message>
    <message>
        <source>Contact your supplier for support. The parent application will repeat this update attempt and will not continue unless it is successful.</source>
        <translation>Wenden Sie sich an Ihren Lieferanten. Das aufrufende Programm wiederholt die Aktualisierung, bis sie gelingt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Connecting to the Identifier.</source>
        <translation>Verbindung zum Identifier wird hergestellt.</translation>
    </message>
    <message>
        <source>Connection in progress...</source>
        <translation>Verbindungsaufbau läuft...</translation>
    </message>
    <message>
        <source>IMPORTANT: Do not terminate Flashwell, disconnect or remove the AIS Identifier from the dock while connection is in progress.</source>
        <translation>WICHTIG: Beenden Sie Flashwell nicht und trennen oder entnehmen Sie den AIS-Identifier nicht aus der Halterung, während die Verbindung aufgebaut wird.</translation>
    </message>
    <message>
        <source>Update in progress...</source>
        <translation>Aktualisierung läuft...</translation>
    </message>
    <message>
        <source>IMPORTANT: Do not terminate Flashwell, disconnect or remove the AIS Identifier from the dock during the update.</source>
        <translation>WICHTIG: Beenden Sie Flashwell nicht und trennen oder entnehmen Sie den AIS-Identifier nicht aus der Halterung während der Aktualisierung.</translation>
    </message>
    <message>
        <source>Restarting connection...</source>
        <translation>Verbindung wird neu aufgebaut...</translation>
    </message>
    <message>
        <source>Failed to connect for update</source>
        <translation>Keine Verbindung zum Aktualisieren</translation>
    </message>
    <message>
        <source>Update not initiated</source>
        <translation>Aktualisierung nicht gestartet</translation>
    </message>
    <message>
        <source>Unable to access update port.</source>
        <translation>Kein Zugriff auf die Aktualisierungsschnittstelle.</translation>
    </message>
    <message>
        <source>Unable to access update file. </source>
        <translation>Kein Zugriff auf die Aktualisierungsdatei. </translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Data transfer timeout.</source>
        <translation>Zeitüberschreitung bei der Datenübertragung.</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>Der Identifier wartet in seinem Bootloader; schließen Sie ihn erneut an, um ihn wiederherzustellen.</translation>
    </message>
    <message>
        <source>Ensure device is connected and attempt retry before closing this application. The parent application will repeat this update attempt and will not continue unless it is successful.</source>
        <translation>Stellen Sie sicher, dass das Gerät verbunden ist, und versuchen Sie es erneut, bevor Sie dieses Programm schließen. Das aufrufende Programm wiederholt die Aktualisierung, bis sie gelingt.</translation>
    </message>
    <message>
        <source>Update complete</source>
        <translation>Aktualisierung abgeschlossen</translation>
    </message>
    <message>
        <source>The update has completed successfully.</source>
        <translation>Die Aktualisierung wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source> from </source>
        <translation> von </translation>
    </message>
    <message>
        <source>About Flashwell</source>
        <translation>Über Flashwell</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>This program uses Qt version %1, available under the GNU Lesser General Public License version 3.
It also uses the Qwt project (https://qwt.sourceforge.io).</source>
        <translation>Dieses Programm verwendet Qt in der Version %1, erhältlich unter der GNU Lesser General Public License Version 3.
Es verwendet außerdem das Qwt-Projekt (https://qwt.sourceforge.io).</translation>
    </message>
    <message>
        <source>Click  %1 to abort or %2 to try again.</source>
        <translation>Klicken Sie auf %1, um abzubrechen, oder auf %2 für einen neuen Versuch.</translation>
    </message>
    <message>
        <source>Click  %1 to exit.  %2 to retry the update.</source>
        <translation>Klicken Sie auf %1, um das Programm zu beenden, oder auf %2 für einen neuen Versuch.</translation>
    </message>
    <message>
        <source>Click  %1 to exit.  </source>
        <translation>Klicken Sie auf %1, um das Programm zu beenden.</translation>
    </message>
</context>
<context>
    <name>GeoPosition</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Programming history...</source>
        <translation>Programmierverlauf...</translation>
    </message>
</context>
<context>
    <name>LogExportMessage</name>
    <message>
        <source>File created </source>
        <translation>Datei erstellt </translation>
    </message>
    <message>
        <source> could not be created.</source>
        <translation> konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Check access permissions.</source>
        <translation>Prüfen Sie die Zugriffsrechte.</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>Time,Date,User,PC,Serial No.,Version,MMSI,Vessel Name,Call Sign,Vessel Type,Dimension A,Dimension B,Dimension C,Dimension D,Low SOG Reporting Interval, High SOG Threshold,High SOG Reporting Interval,Ch.A Freq(MHz),Ch.B Freq(MHz)
</source>
        <translation>Time,Date,User,PC,Serial No.,Version,MMSI,Vessel Name,Call Sign,Vessel Type,Dimension A,Dimension B,Dimension C,Dimension D,Low SOG Reporting Interval, High SOG Threshold,High SOG Reporting Interval,Ch.A Freq(MHz),Ch.B Freq(MHz)
</translation>
    </message>
    <message>
        <source>The configuration log is not open.</source>
        <translation>Das Konfigurationsprotokoll ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Advanced log in...</source>
        <translation>Anmeldung für den erweiterten Modus...</translation>
    </message>
    <message>
        <source>A password is required to access the advanced configuration controls.</source>
        <translation>Für die erweiterten Konfigurationseinstellungen ist ein Passwort erforderlich.</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Passwort eingeben:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Die Anwendung beenden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>About this application</source>
        <translation>Über diese Anwendung</translation>
    </message>
    <message>
        <source>&amp;Change advanced password...</source>
        <translation>Erweitertes &amp;Passwort ändern...</translation>
    </message>
    <message>
        <source>Send configuration to Identifier</source>
        <translation>Konfiguration an den Identifier senden</translation>
    </message>
    <message>
        <source>MMSI Invalid</source>
        <translation>Ungültige MMSI</translation>
    </message>
    <message>
        <source>A valid MMSI in the range 100000000 to 999999999 must be entered. Identifier not updated.</source>
        <translation>Eine gültige MMSI im Bereich 100000000 bis 999999999 muss eingegeben werden. Der Identifier wurde nicht aktualisiert.</translation>
    </message>
    <message>
        <source>Save Log To File</source>
        <translation>Protokoll in Datei speichern</translation>
    </message>
    <message>
        <source>Text Log Files (*.txt *.log)</source>
        <translation>Text-Protokolldateien (*.txt *.log)</translation>
    </message>
    <message>
        <source>Error creating Log File</source>
        <translation>Fehler beim Anlegen der Protokolldatei</translation>
    </message>
    <message>
        <source>Error sending to the Identifier</source>
        <translation>Fehler beim Senden an den Identifier</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Error writing to the Log File</source>
        <translation>Fehler beim Schreiben der Protokolldatei</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>A firmware update is in progress. Close the program once the updater has finished: an interrupted update leaves the Identifier in its boot loader.</source>
        <translation>Eine Firmware-Aktualisierung läuft. Schließen Sie das Programm erst, wenn das Aktualisierungsprogramm fertig ist: eine unterbrochene Aktualisierung lässt den Identifier in seinem Bootloader.</translation>
    </message>
    <message>
        <source>Communicating with the Identifier.</source>
        <translation>Kommunikation mit dem Identifier.</translation>
    </message>
    <message>
        <source>Are you sure you wish to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>The Identifier was reset; its configuration from before is backed up in %1.</source>
        <translation>Der Identifier wurde zurückgesetzt; seine vorherige Konfiguration ist in %1 gesichert.</translation>
    </message>
    <message>
        <source>Resetting the Identifier: it restarts, then its values are read again...</source>
        <translation>Der Identifier wird zurückgesetzt: Er startet neu, danach werden seine Werte erneut gelesen...</translation>
    </message>
    <message>
        <source>The Identifier has disconnected; looking for it again in a few seconds...</source>
        <translation>Die Verbindung zum Identifier ist getrennt; in wenigen Sekunden wird erneut nach ihm gesucht...</translation>
    </message>
    <message>
        <source>Some pages hold changes that have not been sent to the Identifier.</source>
        <translation>Einige Seiten enthalten Änderungen, die noch nicht an den Identifier gesendet wurden.</translation>
    </message>
    <message>
        <source>Send them now? The program stays open until the Identifier has them; quit again then.</source>
        <translation>Jetzt senden? Das Programm bleibt geöffnet, bis der Identifier sie hat; beenden Sie es danach erneut.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>MmsiPool</name>
    <message>
        <source>&quot;%1&quot; is not a PostgreSQL URI (postgresql://user@host:port/database)</source>
        <translation>„%1“ ist keine PostgreSQL-URI (postgresql://benutzer@host:port/datenbank)</translation>
    </message>
    <message>
        <source>the URI holds a password: give it in the password file (~/.pgpass) or with --password-file instead, never on the command line</source>
        <translation>die URI enthält ein Passwort: geben Sie es stattdessen in der Passwortdatei (~/.pgpass) oder mit --password-file an, nie auf der Befehlszeile</translation>
    </message>
    <message>
        <source>the URI option &quot;%1&quot; holds a semicolon</source>
        <translation>die URI-Option „%1“ enthält ein Semikolon</translation>
    </message>
    <message>
        <source>MMSI pool %1: %2</source>
        <translation>MMSI-Pool %1: %2</translation>
    </message>
    <message>
        <source>Qt SQL&apos;s PostgreSQL driver is not installed (Debian: libqt5sql5-psql)</source>
        <translation>der PostgreSQL-Treiber von Qt SQL ist nicht installiert (Debian: libqt5sql5-psql)</translation>
    </message>
    <message>
        <source>the database has no MMSI pool: &quot;velmora-cli pool init&quot; makes one</source>
        <translation>die Datenbank hat keinen MMSI-Pool: „velmora-cli pool init“ legt einen an</translation>
    </message>
    <message>
        <source>the pool&apos;s tables are of an older version: &quot;velmora-cli pool init&quot; upgrades them</source>
        <translation>die Tabellen des Pools sind von einer älteren Version: „velmora-cli pool init“ aktualisiert sie</translation>
    </message>
    <message>
        <source>the pool&apos;s tables are of a newer version than this velmora-cli knows</source>
        <translation>die Tabellen des Pools sind von einer neueren Version, als dieses velmora-cli kennt</translation>
    </message>
    <message>
        <source>%1: the MMSI %2 is already given to serial number %3 in the list; import only unused rows</source>
        <translation>%1: die MMSI %2 ist in der Liste bereits an die Seriennummer %3 vergeben; importieren Sie nur unbenutzte Zeilen</translation>
    </message>
    <message>
        <source>%1: already in the pool, nothing imported: %2</source>
        <translation>%1: bereits im Pool, nichts importiert: %2</translation>
    </message>
    <message>
        <source>the MMSI %1 is not in the pool</source>
        <translation>die MMSI %1 ist nicht im Pool</translation>
    </message>
    <message>
        <source>the MMSI %1 is %2, not reserved: only a reserved MMSI is released</source>
        <translation>die MMSI %1 ist %2, nicht reserviert: nur eine reservierte MMSI wird freigegeben</translation>
    </message>
    <message>
        <source>A device without a serial number cannot be told apart on a later run.</source>
        <translation>Ein Gerät ohne Seriennummer kann bei einem späteren Lauf nicht unterschieden werden.</translation>
    </message>
    <message>
        <source>the device already holds the MMSI %1, which is not in the pool</source>
        <translation>das Gerät enthält bereits die MMSI %1, die nicht im Pool ist</translation>
    </message>
    <message>
        <source>the device holds the MMSI %1, which the pool gives to the serial number %2</source>
        <translation>das Gerät enthält die MMSI %1, die der Pool an die Seriennummer %2 vergibt</translation>
    </message>
    <message>
        <source>the serial number %1 holds no reserved MMSI</source>
        <translation>die Seriennummer %1 hat keine reservierte MMSI</translation>
    </message>
    <message>
        <source>MMSI %1: serial number %2, station %3, reserved %4</source>
        <translation>MMSI %1: Seriennummer %2, Station %3, reserviert %4</translation>
    </message>
</context>
<context>
    <name>ModePages</name>
    <message>
        <source>Select the mode</source>
        <translation>Modus wählen</translation>
    </message>
    <message>
        <source>Basic mode</source>
        <translation>Basismodus</translation>
    </message>
    <message>
        <source>Enter basic mode.</source>
        <translation>In den Basismodus wechseln.</translation>
    </message>
    <message>
        <source>Diagnostic mode</source>
        <translation>Diagnosemodus</translation>
    </message>
    <message>
        <source>Enter diagnostic mode.</source>
        <translation>In den Diagnosemodus wechseln.</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>Erweiterter Modus</translation>
    </message>
    <message>
        <source>Enter advanced mode (password required).</source>
        <translation>In den erweiterten Modus wechseln (Passwort erforderlich).</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Device Actions</source>
        <translation>Geräteaktionen</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>GNSS status</source>
        <translation>GNSS-Status</translation>
    </message>
    <message>
        <source>Voyage data</source>
        <translation>Reiselogbuch</translation>
    </message>
    <message>
        <source>Serial data</source>
        <translation>Serielle Daten</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>edited, not yet sent</source>
        <translation>bearbeitet, noch nicht gesendet</translation>
    </message>
    <message>
        <source>not yet read from the device</source>
        <translation>noch nicht vom Gerät gelesen</translation>
    </message>
    <message>
        <source>being read or written</source>
        <translation>wird gelesen oder geschrieben</translation>
    </message>
    <message>
        <source>in step with the device</source>
        <translation>stimmt mit dem Gerät überein</translation>
    </message>
    <message>
        <source>Broadcasts</source>
        <translation>Aussendungen</translation>
    </message>
</context>
<context>
    <name>PendingRows</name>
    <message>
        <source>The rows kept in %1 cannot be read: %2</source>
        <translation>Die in %1 aufbewahrten Zeilen können nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>PoolCommand</name>
    <message>
        <source>The pool&apos;s tables are ready.</source>
        <translation>Die Tabellen des Pools sind bereit.</translation>
    </message>
    <message numerus="yes">
        <source>%n MMSI(s) imported.</source>
        <translation>
            <numerusform>%n MMSI importiert.</numerusform>
            <numerusform>%n MMSIs importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>free	%1</source>
        <translation>frei	%1</translation>
    </message>
    <message>
        <source>reserved	%1</source>
        <translation>reserviert	%1</translation>
    </message>
    <message>
        <source>done	%1</source>
        <translation>erledigt	%1</translation>
    </message>
    <message>
        <source>MMSI %1 is free again.</source>
        <translation>MMSI %1 ist wieder frei.</translation>
    </message>
</context>
<context>
    <name>ProductionRun</name>
    <message numerus="yes">
        <source>%n unused MMSI(s) left. Plug in the Identifiers; Ctrl-C stops.</source>
        <translation>
            <numerusform>%n unbenutzte MMSI übrig. Stecken Sie die Identifier an; Strg-C beendet.</numerusform>
            <numerusform>%n unbenutzte MMSIs übrig. Stecken Sie die Identifier an; Strg-C beendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not offered by the window, written as it is: %1</source>
        <translation>Nicht im Fenster angeboten, unverändert geschrieben: %1</translation>
    </message>
    <message>
        <source>Stopping once the devices under way are finished...</source>
        <translation>Es wird angehalten, sobald die laufenden Geräte fertig sind...</translation>
    </message>
    <message>
        <source>The MMSI list could not be read.</source>
        <translation>Die MMSI-Liste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1: updating the firmware...</source>
        <translation>%1: Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <source>%1: update ended.</source>
        <translation>%1: Aktualisierung beendet.</translation>
    </message>
    <message>
        <source>%1: connecting...</source>
        <translation>%1: Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>stopped before writing</source>
        <translation>vor dem Schreiben angehalten</translation>
    </message>
    <message>
        <source>firmware %1 is still older than the image beside the program: the update did not take</source>
        <translation>Firmware %1 ist immer noch älter als das Abbild neben dem Programm: die Aktualisierung hat nicht gegriffen</translation>
    </message>
    <message>
        <source>firmware %1 is older than the image beside the program; --update updates it first</source>
        <translation>Firmware %1 ist älter als das Abbild neben dem Programm; --update aktualisiert sie zuerst</translation>
    </message>
    <message>
        <source>firmware %1 is older than the image beside the program, which was not sent: %2</source>
        <translation>Firmware %1 ist älter als das Abbild neben dem Programm, das nicht gesendet wurde: %2</translation>
    </message>
    <message>
        <source>%1: reading %2...</source>
        <translation>%1: %2 wird gelesen...</translation>
    </message>
    <message>
        <source>the device gave no serial number</source>
        <translation>das Gerät hat keine Seriennummer geliefert</translation>
    </message>
    <message>
        <source>%1: writing MMSI %2...</source>
        <translation>%1: MMSI %2 wird geschrieben...</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1: gesendet „%2“, das Gerät enthält „%3“</translation>
    </message>
    <message>
        <source>Every MMSI is given out.</source>
        <translation>Jede MMSI ist vergeben.</translation>
    </message>
    <message>
        <source>this device was given the MMSI %1, but it holds %2</source>
        <translation>diesem Gerät wurde die MMSI %1 gegeben, es enthält aber %2</translation>
    </message>
    <message>
        <source>MMSI %1, serial number %2</source>
        <translation>MMSI %1, Seriennummer %2</translation>
    </message>
    <message>
        <source>Reserved and not verified (plug the device in and run again to write it again):</source>
        <translation>Reserviert und nicht geprüft (stecken Sie das Gerät an und starten Sie erneut, um es neu zu schreiben):</translation>
    </message>
    <message>
        <source>the device holds MMSI %1, verified, but this could not be recorded: %2</source>
        <translation>das Gerät enthält MMSI %1, geprüft, aber das konnte nicht festgehalten werden: %2</translation>
    </message>
    <message>
        <source>MMSI %1 was written and not verified, and this could not be recorded: %2</source>
        <translation>MMSI %1 wurde geschrieben und nicht geprüft, und das konnte nicht festgehalten werden: %2</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Save configuration as profile...</source>
        <translation>Konfiguration als Profil speichern...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Profil öffnen...</translation>
    </message>
    <message>
        <source>Compare with device...</source>
        <translation>Mit dem Gerät vergleichen...</translation>
    </message>
    <message>
        <source>Restore last backup...</source>
        <translation>Letzte Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>The Identifier&apos;s values are no longer at hand (it was disconnected or is being read again); nothing was done. Try again once the pages show it in step.</source>
        <translation>Die Werte des Identifiers liegen nicht mehr vor (er wurde getrennt oder wird neu gelesen); es wurde nichts getan. Versuchen Sie es erneut, sobald die Seiten ihn wieder aktuell zeigen.</translation>
    </message>
    <message>
        <source>Error saving the profile</source>
        <translation>Fehler beim Speichern des Profils</translation>
    </message>
    <message>
        <source>Open profile</source>
        <translation>Profil öffnen</translation>
    </message>
    <message>
        <source>This Identifier does not have these settings of the profile; they were skipped and will not be sent:

%1</source>
        <translation>Dieser Identifier hat diese Einstellungen des Profils nicht; sie wurden übersprungen und werden nicht gesendet:

%1</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>The profile holds MMSI %1; this Identifier has no MMSI yet.</source>
        <translation>Das Profil enthält die MMSI %1; dieser Identifier hat noch keine MMSI.</translation>
    </message>
    <message>
        <source>The profile holds MMSI %1; this Identifier has MMSI %2.</source>
        <translation>Das Profil enthält die MMSI %1; dieser Identifier hat die MMSI %2.</translation>
    </message>
    <message>
        <source>Which MMSI is this Identifier to carry?</source>
        <translation>Welche MMSI soll dieser Identifier tragen?</translation>
    </message>
    <message>
        <source>Leave without MMSI</source>
        <translation>Ohne MMSI lassen</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>Take %1</source>
        <translation>%1 übernehmen</translation>
    </message>
    <message>
        <source>another Identifier</source>
        <translation>einem anderen Identifier</translation>
    </message>
    <message>
        <source>the Identifier %1</source>
        <translation>dem Identifier %1</translation>
    </message>
    <message>
        <source>The same MMSI on two devices</source>
        <translation>Dieselbe MMSI auf zwei Geräten</translation>
    </message>
    <message>
        <source>The profile comes from %1. Taking its MMSI %2 gives two devices the same MMSI, which confuses every station that receives them. Take it only if the other device is no longer in use.

Take MMSI %2? &quot;No&quot; leaves the pages as they were.</source>
        <translation>Das Profil stammt von %1. Die Übernahme seiner MMSI %2 gibt zwei Geräten dieselbe MMSI, was jede empfangende Station verwirrt. Übernehmen Sie sie nur, wenn das andere Gerät nicht mehr benutzt wird.

MMSI %2 übernehmen? „Nein“ lässt die Seiten, wie sie waren.</translation>
    </message>
    <message>
        <source>No backup before the reset</source>
        <translation>Keine Sicherung vor dem Zurücksetzen</translation>
    </message>
    <message>
        <source>The Identifier&apos;s configuration had not been read completely, so no backup was saved. The reset has gone ahead all the same.</source>
        <translation>Die Konfiguration des Identifiers war nicht vollständig gelesen, daher wurde keine Sicherung gespeichert. Das Zurücksetzen wurde trotzdem ausgeführt.</translation>
    </message>
    <message>
        <source>The configuration could not be saved as a backup: %1

The reset has gone ahead all the same.</source>
        <translation>Die Konfiguration konnte nicht als Sicherung gespeichert werden: %1

Das Zurücksetzen wurde trotzdem ausgeführt.</translation>
    </message>
    <message>
        <source>Cannot use the profile</source>
        <translation>Das Profil kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>%1 was not used; nothing was changed.</source>
        <translation>%1 wurde nicht verwendet; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Configuration profiles (*.json)</source>
        <translation>Konfigurationsprofile (*.json)</translation>
    </message>
    <message>
        <source>Save configuration as profile</source>
        <translation>Konfiguration als Profil speichern</translation>
    </message>
    <message>
        <source>Compare with device</source>
        <translation>Mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Restore last backup</source>
        <translation>Letzte Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>There is no backup of the Identifier with serial number %1 in %2.</source>
        <translation>Es gibt keine Sicherung des Identifiers mit der Seriennummer %1 in %2.</translation>
    </message>
    <message>
        <source>These values of the profile are not among those the pages offer; check them on the pages before sending:

%1</source>
        <translation>Diese Werte des Profils gehören nicht zu denen, die die Seiten anbieten; prüfen Sie sie auf den Seiten vor dem Senden:

%1</translation>
    </message>
    <message>
        <source>Profile saved as %1.</source>
        <translation>Profil gespeichert als %1.</translation>
    </message>
    <message>
        <source>The pages hold %1 now; send them to write it to the Identifier.</source>
        <translation>Die Seiten enthalten jetzt %1; senden Sie sie, um es in den Identifier zu schreiben.</translation>
    </message>
    <message>
        <source>an earlier configuration of this Identifier</source>
        <translation>einer früheren Konfiguration dieses Identifiers</translation>
    </message>
</context>
<context>
    <name>ProfileCompareDialog</name>
    <message>
        <source>Compare with device</source>
        <translation>Mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>Profile saved %1 by %2 from the Identifier %3 (firmware %4).</source>
        <translation>Profil gespeichert am %1 von %2 vom Identifier %3 (Firmware %4).</translation>
    </message>
    <message>
        <source>All %1 settings are the same on the device.</source>
        <translation>Alle %1 Einstellungen sind auf dem Gerät gleich.</translation>
    </message>
    <message>
        <source>%1 of %2 settings differ (marked).</source>
        <translation>%1 von %2 Einstellungen weichen ab (markiert).</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>The profile and the device differ.</source>
        <translation>Profil und Gerät weichen voneinander ab.</translation>
    </message>
    <message>
        <source>Error exporting the comparison</source>
        <translation>Fehler beim Exportieren des Vergleichs</translation>
    </message>
    <message>
        <source>Export comparison</source>
        <translation>Vergleich exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Settings of the profile and the device</source>
        <translation>Einstellungen des Profils und des Geräts</translation>
    </message>
</context>
<context>
    <name>ProfileSetting</name>
    <message>
        <source>(not on this device)</source>
        <translation>(auf diesem Gerät nicht vorhanden)</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Abweichend</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht gesetzt)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Vessel: MMSI</source>
        <translation>Schiff: MMSI</translation>
    </message>
    <message>
        <source>Vessel: name</source>
        <translation>Schiff: Name</translation>
    </message>
    <message>
        <source>Vessel: call sign</source>
        <translation>Schiff: Rufzeichen</translation>
    </message>
    <message>
        <source>Vessel: type</source>
        <translation>Schiff: Typ</translation>
    </message>
    <message>
        <source>Vessel: dimension A (to bow)</source>
        <translation>Schiff: Maß A (zum Bug)</translation>
    </message>
    <message>
        <source>Vessel: dimension B (to stern)</source>
        <translation>Schiff: Maß B (zum Heck)</translation>
    </message>
    <message>
        <source>Vessel: dimension C (to port)</source>
        <translation>Schiff: Maß C (nach Backbord)</translation>
    </message>
    <message>
        <source>Vessel: dimension D (to starboard)</source>
        <translation>Schiff: Maß D (nach Steuerbord)</translation>
    </message>
    <message>
        <source>AIS messages: position interval</source>
        <translation>AIS-Meldungen: Positionsintervall</translation>
    </message>
    <message>
        <source>AIS messages: high-rate reporting</source>
        <translation>AIS-Meldungen: Meldungen mit hoher Rate</translation>
    </message>
    <message>
        <source>AIS messages: high-rate SOG</source>
        <translation>AIS-Meldungen: SOG für hohe Rate</translation>
    </message>
    <message>
        <source>AIS messages: high-rate interval</source>
        <translation>AIS-Meldungen: Intervall bei hoher Rate</translation>
    </message>
    <message>
        <source>AIS messages: frequency A</source>
        <translation>AIS-Meldungen: Frequenz A</translation>
    </message>
    <message>
        <source>AIS messages: channel B</source>
        <translation>AIS-Meldungen: Kanal B</translation>
    </message>
    <message>
        <source>AIS messages: frequency B</source>
        <translation>AIS-Meldungen: Frequenz B</translation>
    </message>
    <message>
        <source>stop transmission</source>
        <translation>Senden einstellen</translation>
    </message>
    <message>
        <source>transmit with alert</source>
        <translation>mit Alarm senden</translation>
    </message>
    <message>
        <source>transmit normally</source>
        <translation>normal senden</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <source>always</source>
        <translation>immer</translation>
    </message>
    <message>
        <source>with vessel power</source>
        <translation>bei Bordstrom</translation>
    </message>
    <message>
        <source>Control: bracket error</source>
        <translation>Steuerung: Halterungsfehler</translation>
    </message>
    <message>
        <source>Control: off-bracket</source>
        <translation>Steuerung: außerhalb der Halterung</translation>
    </message>
    <message>
        <source>Control: SOS alert</source>
        <translation>Steuerung: SOS-Alarm</translation>
    </message>
    <message>
        <source>Control: SOS message</source>
        <translation>Steuerung: SOS-Meldung</translation>
    </message>
    <message>
        <source>Control: SOS audible alert</source>
        <translation>Steuerung: akustischer SOS-Alarm</translation>
    </message>
    <message>
        <source>Control: geofence audible alert</source>
        <translation>Steuerung: akustischer Geofence-Alarm</translation>
    </message>
    <message>
        <source>Control: inside geofence</source>
        <translation>Steuerung: innerhalb des Geofence</translation>
    </message>
    <message>
        <source>Control: outside geofence</source>
        <translation>Steuerung: außerhalb des Geofence</translation>
    </message>
    <message>
        <source>Control: Halvex</source>
        <translation>Steuerung: Halvex</translation>
    </message>
    <message>
        <source>Control: Halvex active inside boundary</source>
        <translation>Steuerung: Halvex innerhalb der Grenze aktiv</translation>
    </message>
    <message>
        <source>Control: operational fence</source>
        <translation>Steuerung: Betriebszone</translation>
    </message>
    <message>
        <source>Control: Halvex fence</source>
        <translation>Steuerung: Halvex-Zone</translation>
    </message>
    <message>
        <source>Control: encryption fence</source>
        <translation>Steuerung: Verschlüsselungszone</translation>
    </message>
    <message>
        <source>Control: SBAS</source>
        <translation>Steuerung: SBAS</translation>
    </message>
    <message>
        <source>Voyage log: enabled</source>
        <translation>Reiselogbuch: aktiviert</translation>
    </message>
    <message>
        <source>Voyage log: period</source>
        <translation>Reiselogbuch: Intervall</translation>
    </message>
    <message>
        <source>Voyage log: minimum distance</source>
        <translation>Reiselogbuch: Mindestdistanz</translation>
    </message>
    <message>
        <source>Control: power box connection</source>
        <translation>Steuerung: Verbindung zur Stromversorgungsbox</translation>
    </message>
    <message>
        <source>Control: power disconnect alert</source>
        <translation>Steuerung: Alarm bei Stromunterbrechung</translation>
    </message>
</context>
<context>
    <name>ProgrammingCertificate</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>First generation (type %1)</source>
        <translation>Erste Generation (Typ %1)</translation>
    </message>
    <message>
        <source>Later generation (type %1)</source>
        <translation>Spätere Generation (Typ %1)</translation>
    </message>
    <message>
        <source>Not identified</source>
        <translation>Nicht erkannt</translation>
    </message>
    <message>
        <source>Programming certificate</source>
        <translation>Programmierzertifikat</translation>
    </message>
    <message>
        <source>Identifier AIS transmitter, programmed with velmora %1</source>
        <translation>AIS-Sender Identifier, programmiert mit velmora %1</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>MMSI %1</source>
        <translation>MMSI %1</translation>
    </message>
    <message>
        <source>Call sign %1</source>
        <translation>Rufzeichen %1</translation>
    </message>
    <message>
        <source>Dimensions %1</source>
        <translation>Abmessungen %1</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Programmed with</source>
        <translation>Programmiert mit</translation>
    </message>
    <message>
        <source>velmora (%1)</source>
        <translation>velmora (%1)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Verified: written and read back</source>
        <translation>Geprüft: geschrieben und zurückgelesen</translation>
    </message>
    <message>
        <source>Not verified: not confirmed by reading the device back</source>
        <translation>Nicht geprüft: nicht durch Zurücklesen des Geräts bestätigt</translation>
    </message>
    <message>
        <source>Main settings as sent</source>
        <translation>Wichtigste Einstellungen wie gesendet</translation>
    </message>
    <message>
        <source>The settings sent are not on record.</source>
        <translation>Die gesendeten Einstellungen sind nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The settings sent could not be read: %1</source>
        <translation>Die gesendeten Einstellungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Keep this page with the vessel&apos;s papers.</source>
        <translation>Bewahren Sie diese Seite bei den Schiffspapieren auf.</translation>
    </message>
    <message>
        <source>Cannot write %1: the program was started without fonts (no QGuiApplication)</source>
        <translation>%1 kann nicht geschrieben werden: das Programm wurde ohne Schriften gestartet (keine QGuiApplication)</translation>
    </message>
    <message>
        <source>Programming certificate, MMSI %1</source>
        <translation>Programmierzertifikat, MMSI %1</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF could not be started</source>
        <translation>%1 kann nicht geschrieben werden: das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>%1 (read, not sent)</source>
        <translation>%1 (gelesen, nicht gesendet)</translation>
    </message>
</context>
<context>
    <name>ProgrammingHistory</name>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>Der SQLite-Treiber von Qt (QSQLITE) ist nicht installiert.</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>The programming history cannot be opened</source>
        <translation>Der Programmierverlauf kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The programming history is damaged and cannot be set aside</source>
        <translation>Der Programmierverlauf ist beschädigt und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>renaming it to %1 failed</source>
        <translation>das Umbenennen in %1 ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The programming history could not be updated</source>
        <translation>Der Programmierverlauf konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>The programming history cannot be read</source>
        <translation>Der Programmierverlauf kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>er ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The configuration log could not be taken into the programming history</source>
        <translation>Das Konfigurationsprotokoll konnte nicht in den Programmierverlauf übernommen werden</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Schiffsname</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Rows kept aside could not be taken into the programming history</source>
        <translation>Beiseitegelegte Zeilen konnten nicht in den Programmierverlauf übernommen werden</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>configuration log</source>
        <translation>Konfigurationsprotokoll</translation>
    </message>
</context>
<context>
    <name>ProgrammingHistoryDialog</name>
    <message>
        <source>Programming history</source>
        <translation>Programmierverlauf</translation>
    </message>
    <message>
        <source>The history was damaged: it was set aside as %1 and a new one begun.</source>
        <translation>Der Verlauf war beschädigt: er wurde als %1 beiseitegelegt und ein neuer begonnen.</translation>
    </message>
    <message>
        <source>Search by MMSI, serial number or vessel name</source>
        <translation>Nach MMSI, Seriennummer oder Schiffsname suchen</translation>
    </message>
    <message>
        <source>Export shown rows...</source>
        <translation>Angezeigte Zeilen exportieren...</translation>
    </message>
    <message>
        <source>1 programming shown.</source>
        <translation>1 Programmierung angezeigt.</translation>
    </message>
    <message>
        <source>Error exporting the programming history</source>
        <translation>Fehler beim Exportieren des Programmierverlaufs</translation>
    </message>
    <message>
        <source>Export programming history</source>
        <translation>Programmierverlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Den Verlauf durchsuchen</translation>
    </message>
    <message>
        <source>Programmings</source>
        <translation>Programmierungen</translation>
    </message>
    <message numerus="yes">
        <source>%n programmings shown, newest first.</source>
        <translation>
            <numerusform>%n Programmierung angezeigt, neueste zuerst.</numerusform>
            <numerusform>%n Programmierungen angezeigt, neueste zuerst.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgrammingOutcome</name>
    <message>
        <source>Programming history</source>
        <translation>Programmierverlauf</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the Identifier holds &quot;%3&quot;</source>
        <translation>%1: gesendet „%2“, der Identifier enthält „%3“</translation>
    </message>
    <message>
        <source>Programming not verified</source>
        <translation>Programmierung nicht geprüft</translation>
    </message>
    <message>
        <source>The Identifier does not hold every setting that was sent:

%1

Send the settings again?</source>
        <translation>Der Identifier enthält nicht jede gesendete Einstellung:

%1

Die Einstellungen erneut senden?</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Erneut senden</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the programming history could not be kept.

%1</source>
        <translation>
            <numerusform>%n Zeile des Programmierverlaufs konnte nicht aufbewahrt werden.

%1</numerusform>
            <numerusform>%n Zeilen des Programmierverlaufs konnten nicht aufbewahrt werden.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The programming history could not be updated now. The row is kept and written once it can be.

%1</source>
        <translation>Der Programmierverlauf konnte jetzt nicht aktualisiert werden. Die Zeile wird aufbewahrt und geschrieben, sobald es möglich ist.

%1</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
</context>
<context>
    <name>ProgrammingRecorder</name>
    <message>
        <source>The programming history has taken in the rows that waited.</source>
        <translation>Der Programmierverlauf hat die wartenden Zeilen übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the programming history could not be kept: %1</source>
        <translation>
            <numerusform>%n Zeile des Programmierverlaufs konnte nicht aufbewahrt werden: %1</numerusform>
            <numerusform>%n Zeilen des Programmierverlaufs konnten nicht aufbewahrt werden: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the programming history could not be written; they are kept in %1 and taken in when the history is next opened.</source>
        <translation>
            <numerusform>%n Zeile des Programmierverlaufs konnte nicht geschrieben werden; sie wird in %1 aufbewahrt und beim nächsten Öffnen des Verlaufs übernommen.</numerusform>
            <numerusform>%n Zeilen des Programmierverlaufs konnten nicht geschrieben werden; sie werden in %1 aufbewahrt und beim nächsten Öffnen des Verlaufs übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Certificates cannot be written into %1: %2</source>
        <translation>In %1 können keine Zertifikate geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1; the row is kept and written once it can be.</source>
        <translation>%1; die Zeile wird aufbewahrt und geschrieben, sobald es möglich ist.</translation>
    </message>
    <message>
        <source>The pool&apos;s programming history could not be updated: %1</source>
        <translation>Der Programmierverlauf des Pools konnte nicht aktualisiert werden: %1</translation>
    </message>
</context>
<context>
    <name>RecoveryFamilyDialog</name>
    <message>
        <source>Recover the Identifier</source>
        <translation>Identifier wiederherstellen</translation>
    </message>
    <message>
        <source>The boot loader cannot tell which Identifier it belongs to. Choose the Identifier&apos;s family:</source>
        <translation>Der Bootloader kann nicht sagen, zu welchem Identifier er gehört. Wählen Sie die Familie des Identifiers:</translation>
    </message>
    <message>
        <source>First generation (050200)</source>
        <translation>Erste Generation (050200)</translation>
    </message>
    <message>
        <source>Later generation (160200)</source>
        <translation>Spätere Generation (160200)</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Choose a family to see the firmware that will be sent.</source>
        <translation>Wählen Sie eine Familie, um die Firmware zu sehen, die gesendet wird.</translation>
    </message>
    <message>
        <source>There is no firmware image of this family in %1.</source>
        <translation>In %1 gibt es kein Firmware-Abbild dieser Familie.</translation>
    </message>
    <message>
        <source>The firmware %1 will be sent (%2).</source>
        <translation>Die Firmware %1 wird gesendet (%2).</translation>
    </message>
</context>
<context>
    <name>RecoveryPrompt</name>
    <message>
        <source>An Identifier is waiting in its boot loader for firmware</source>
        <translation>Ein Identifier wartet in seinem Bootloader auf Firmware</translation>
    </message>
    <message>
        <source>An update was cut short: it runs no application until it has been sent firmware. Recover it now?</source>
        <translation>Eine Aktualisierung wurde unterbrochen: Der Identifier führt keine Anwendung aus, bis ihm Firmware gesendet wurde. Jetzt wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover...</source>
        <translation>Wiederherstellen...</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Sending the firmware to the boot loader...</source>
        <translation>Die Firmware wird an den Bootloader gesendet...</translation>
    </message>
    <message>
        <source>Waiting for the Identifier to start its new firmware...</source>
        <translation>Warten, bis der Identifier seine neue Firmware startet...</translation>
    </message>
</context>
<context>
    <name>SerialController</name>
    <message>
        <source>AIS Virtual COM Port</source>
        <translation>Virtuelle AIS-COM-Schnittstelle</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>the port has gone; was the cable pulled?</source>
        <translation>die Schnittstelle ist verschwunden; wurde das Kabel gezogen?</translation>
    </message>
    <message>
        <source># velmora Started log file at </source>
        <translation># velmora: Protokolldatei begonnen um </translation>
    </message>
    <message>
        <source># velmora Stopped log file at </source>
        <translation># velmora: Protokolldatei beendet um </translation>
    </message>
</context>
<context>
    <name>SerialTab</name>
    <message>
        <source>Serial Data</source>
        <translation>Serielle Daten</translation>
    </message>
    <message>
        <source>Time stamps</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Start each line with the time it arrived or was sent, in the view and in the log file</source>
        <translation>Jede Zeile mit der Zeit ihres Eingangs oder Versands beginnen, in der Ansicht und in der Protokolldatei</translation>
    </message>
    <message>
        <source>Hex view</source>
        <translation>Hex-Ansicht</translation>
    </message>
    <message>
        <source>Show the bytes of each line in hexadecimal beside its text</source>
        <translation>Die Bytes jeder Zeile hexadezimal neben ihrem Text zeigen</translation>
    </message>
    <message>
        <source>Raw mode line end:</source>
        <translation>Zeilenende im Rohmodus:</translation>
    </message>
    <message>
        <source>The line end added to the lines sent after &quot;+++&quot;</source>
        <translation>Das Zeilenende, das nach „+++“ an gesendete Zeilen angehängt wird</translation>
    </message>
    <message>
        <source>CR LF</source>
        <translation>CR LF</translation>
    </message>
    <message>
        <source>LF</source>
        <translation>LF</translation>
    </message>
    <message>
        <source>CR</source>
        <translation>CR</translation>
    </message>
    <message>
        <source>Save view...</source>
        <translation>Ansicht speichern...</translation>
    </message>
    <message>
        <source>Save the text of the view to a file</source>
        <translation>Den Text der Ansicht in eine Datei speichern</translation>
    </message>
    <message>
        <source>The data sent to and received from the AIS</source>
        <translation>Die an das AIS gesendeten und von ihm empfangenen Daten</translation>
    </message>
    <message>
        <source>QTextEdit{background: #F2F2F2;}</source>
        <translation>QTextEdit{background: #F2F2F2;}</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Text to find in the view (Return: next, Shift+Return: previous, Esc: close)</source>
        <translation>Text, der in der Ansicht gesucht wird (Eingabe: weiter, Umschalt+Eingabe: zurück, Esc: schließen)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Enter commands:</source>
        <translation>Befehle eingeben:</translation>
    </message>
    <message>
        <source>Enter a NMEA Sentence Command</source>
        <translation>Einen NMEA-Satz als Befehl eingeben</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send the command to the AIS  (will automatically add the NMEA Checksum if required)</source>
        <translation>Den Befehl an das AIS senden (die NMEA-Prüfsumme wird bei Bedarf automatisch angehängt)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Freezes the data display</source>
        <translation>Hält die Datenanzeige an</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>In Datei protokollieren</translation>
    </message>
    <message>
        <source>Save the data to a Log File</source>
        <translation>Die Daten in einer Protokolldatei speichern</translation>
    </message>
    <message>
        <source>color: rgb(255, 0, 0);</source>
        <translation>color: rgb(255, 0, 0);</translation>
    </message>
    <message>
        <source>Stop Log</source>
        <translation>Protokoll beenden</translation>
    </message>
    <message>
        <source>Log To File</source>
        <translation>In Datei protokollieren</translation>
    </message>
    <message>
        <source>The NMEA Sentence is invalid. It has not been sent.</source>
        <translation>Der NMEA-Satz ist ungültig. Er wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Save view</source>
        <translation>Ansicht speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Konsole</translation>
    </message>
</context>
<context>
    <name>SerialTransport</name>
    <message>
        <source>A connection is already open.</source>
        <translation>Eine Verbindung ist bereits offen.</translation>
    </message>
    <message>
        <source>An error was encountered in trying to open the serial port.</source>
        <translation>Beim Öffnen der seriellen Schnittstelle ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>A connection is already open</source>
        <translation>Eine Verbindung ist bereits offen</translation>
    </message>
    <message>
        <source>Error connecting a file. </source>
        <translation>Fehler beim Verbinden einer Datei. </translation>
    </message>
    <message>
        <source>Reading Log File </source>
        <translation>Protokolldatei wird gelesen </translation>
    </message>
    <message>
        <source>Connected to Serial Port: </source>
        <translation>Verbunden mit serieller Schnittstelle: </translation>
    </message>
    <message>
        <source>Error writing to the serial port: </source>
        <translation>Fehler beim Schreiben auf die serielle Schnittstelle: </translation>
    </message>
</context>
<context>
    <name>SetPasswordDialog</name>
    <message>
        <source>Set advanced password</source>
        <translation>Erweitertes Passwort festlegen</translation>
    </message>
    <message>
        <source>Enter current password:</source>
        <translation>Aktuelles Passwort eingeben:</translation>
    </message>
    <message>
        <source>Enter new password:</source>
        <translation>Neues Passwort eingeben:</translation>
    </message>
    <message>
        <source>Re-enter new password:</source>
        <translation>Neues Passwort wiederholen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The new password is in use, but it could not be saved to the settings. It will be saved again when the program ends.</source>
        <translation>Das neue Passwort gilt, konnte aber nicht in den Einstellungen gespeichert werden. Es wird beim Beenden des Programms erneut gespeichert.</translation>
    </message>
</context>
<context>
    <name>SettingRules</name>
    <message>
        <source>must be exactly %1 digits</source>
        <translation>muss genau %1 Ziffern haben</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not allowed (only upper-case letters, digits, space and the punctuation of AIS text)</source>
        <translation>das Zeichen „%1“ ist nicht erlaubt (nur Großbuchstaben, Ziffern, Leerzeichen und die Satzzeichen des AIS-Texts)</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 liegt außerhalb von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 is not one of the offered vessel types</source>
        <translation>%1 ist keiner der angebotenen Schiffstypen</translation>
    </message>
    <message>
        <source>%1 s is not one of %2 s</source>
        <translation>%1 s ist keiner von %2 s</translation>
    </message>
    <message>
        <source>%1 s is not shorter than the position interval of %2 s</source>
        <translation>%1 s ist nicht kürzer als das Positionsintervall von %2 s</translation>
    </message>
    <message>
        <source>%1 s is not a multiple of the position interval of %2 s</source>
        <translation>%1 s ist kein Vielfaches des Positionsintervalls von %2 s</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; cannot be sent to the device</source>
        <translation>das Zeichen „%1“ kann nicht an das Gerät gesendet werden</translation>
    </message>
</context>
<context>
    <name>StateMachine</name>
    <message>
        <source>The configuration was written, but the configuration log could not be updated.</source>
        <translation>Die Konfiguration wurde geschrieben, aber das Konfigurationsprotokoll konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Error connecting to the Identifier.

Application is attempting to reconnect.</source>
        <translation>Fehler beim Verbinden mit dem Identifier.

Das Programm versucht, die Verbindung wiederherzustellen.</translation>
    </message>
    <message>
        <source>Error sending a command to the Identifier.

Application is attempting to reconnect.</source>
        <translation>Fehler beim Senden eines Befehls an den Identifier.

Das Programm versucht, die Verbindung wiederherzustellen.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Communication Timeout.
Please check the connections to the Identifier.

Application is attempting to reconnect.</source>
        <translation>Zeitüberschreitung der Kommunikation.
Bitte prüfen Sie die Verbindungen zum Identifier.

Das Programm versucht, die Verbindung wiederherzustellen.</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>Der Identifier wartet in seinem Bootloader; schließen Sie ihn erneut an, um ihn wiederherzustellen.</translation>
    </message>
    <message>
        <source>The firmware was not updated.</source>
        <translation>Die Firmware wurde nicht aktualisiert.</translation>
    </message>
    <message>
        <source>%1 The Identifier keeps firmware %2.</source>
        <translation>%1 Der Identifier behält die Firmware %2.</translation>
    </message>
    <message>
        <source>The firmware could not be updated.</source>
        <translation>Die Firmware konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>The Identifier keeps firmware %1; the newest image is %2. Connect the Identifier again to try once more.</source>
        <translation>Der Identifier behält die Firmware %1; das neueste Abbild ist %2. Schließen Sie den Identifier erneut an, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>The connection ended before the settings were read back.</source>
        <translation>Die Verbindung endete, bevor die Einstellungen zurückgelesen waren.</translation>
    </message>
    <message>
        <source>The Identifier may be left without its MMSI: it was erased for the new one, and the write stopped before the new MMSI was sent. Connect the Identifier again, check its MMSI and write it once more.</source>
        <translation>Der Identifier ist möglicherweise ohne MMSI: Seine MMSI wurde für die neue gelöscht, und das Schreiben brach ab, bevor die neue MMSI gesendet war. Schließen Sie den Identifier erneut an, prüfen Sie seine MMSI und schreiben Sie sie noch einmal.</translation>
    </message>
</context>
<context>
    <name>StaticData</name>
    <message>
        <source>%1 %2 m (%3 ft)</source>
        <translation>%1 %2 m (%3 ft)</translation>
    </message>
    <message>
        <source>%1 %2 m</source>
        <translation>%1 %2 m</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Secrity Timeout: </source>
        <translation>Zeitüberschreitung der Sicherheitsabfrage: </translation>
    </message>
    <message>
        <source>Negative acknowlegement for command: </source>
        <translation>Negative Quittung für den Befehl: </translation>
    </message>
    <message>
        <source>Timeout waiting for response to command: </source>
        <translation>Zeitüberschreitung beim Warten auf die Antwort auf den Befehl: </translation>
    </message>
    <message>
        <source>Timeout waiting for response for: </source>
        <translation>Zeitüberschreitung beim Warten auf die Antwort für: </translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>The name of the image %1 tells no family and version (such as 050200_03_00_00.img).</source>
        <translation>Der Name des Abbilds %1 nennt keine Familie und Version (etwa 050200_03_00_00.img).</translation>
    </message>
    <message>
        <source>The image %1 is made for the family %2; the Identifier&apos;s firmware %3 is not of that family.</source>
        <translation>Das Abbild %1 ist für die Familie %2 bestimmt; die Firmware %3 des Identifiers gehört nicht zu dieser Familie.</translation>
    </message>
    <message>
        <source>The image %1 (version %2) is not newer than the Identifier&apos;s firmware %3.</source>
        <translation>Das Abbild %1 (Version %2) ist nicht neuer als die Firmware %3 des Identifiers.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read: %2</source>
        <translation>Das Abbild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The image %1 is empty.</source>
        <translation>Das Abbild %1 ist leer.</translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>There is no such port.</source>
        <translation>Diese Schnittstelle gibt es nicht.</translation>
    </message>
    <message>
        <source>Cancelled before the update.</source>
        <translation>Vor der Aktualisierung abgebrochen.</translation>
    </message>
    <message>
        <source>No Identifier found. Check the USB cable, or name the port with --port.</source>
        <translation>Kein Identifier gefunden. Prüfen Sie das USB-Kabel oder nennen Sie die Schnittstelle mit --port.</translation>
    </message>
    <message>
        <source>%1: connecting...</source>
        <translation>%1: Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>The image was sent, but the Identifier does not answer: %1</source>
        <translation>Das Abbild wurde gesendet, aber der Identifier antwortet nicht: %1</translation>
    </message>
    <message>
        <source>%1: no answer; listening for a boot loader...</source>
        <translation>%1: keine Antwort; es wird auf einen Bootloader gehorcht...</translation>
    </message>
    <message>
        <source>An Identifier is waiting in its boot loader for firmware; not updated. Name the image of its family with --image to recover it.</source>
        <translation>Ein Identifier wartet in seinem Bootloader auf Firmware; nicht aktualisiert. Nennen Sie das Abbild seiner Familie mit --image, um ihn wiederherzustellen.</translation>
    </message>
    <message>
        <source>The Identifier was left running.</source>
        <translation>Der Identifier läuft weiter.</translation>
    </message>
    <message>
        <source>%1: updating with %2...</source>
        <translation>%1: Aktualisierung mit %2...</translation>
    </message>
    <message>
        <source>%1: %2 % sent</source>
        <translation>%1: %2 % gesendet</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>Der Identifier wartet in seinem Bootloader; schließen Sie ihn erneut an, um ihn wiederherzustellen.</translation>
    </message>
    <message>
        <source>The boot loader did not answer the reset; the firmware was not updated.</source>
        <translation>Der Bootloader hat auf den Neustart nicht geantwortet; die Firmware wurde nicht aktualisiert.</translation>
    </message>
    <message>
        <source>The boot loader did not take the image; the firmware was not updated.</source>
        <translation>Der Bootloader hat das Abbild nicht angenommen; die Firmware wurde nicht aktualisiert.</translation>
    </message>
    <message>
        <source>The port could not be used for the update.</source>
        <translation>Die Schnittstelle konnte für die Aktualisierung nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The image could not be read whole during the update.</source>
        <translation>Das Abbild konnte während der Aktualisierung nicht vollständig gelesen werden.</translation>
    </message>
    <message>
        <source>Data transfer timeout.</source>
        <translation>Zeitüberschreitung bei der Datenübertragung.</translation>
    </message>
    <message>
        <source>The image %1 was sent, but the Identifier reports the firmware %2.</source>
        <translation>Das Abbild %1 wurde gesendet, aber der Identifier meldet die Firmware %2.</translation>
    </message>
    <message>
        <source>Recovered from its boot loader; the firmware is now %1.</source>
        <translation>Aus seinem Bootloader wiederhergestellt; die Firmware ist jetzt %1.</translation>
    </message>
    <message>
        <source>Updated from %1 to %2.</source>
        <translation>Von %1 auf %2 aktualisiert.</translation>
    </message>
    <message>
        <source>No image of the family %1 in %2.</source>
        <translation>Kein Abbild der Familie %1 in %2.</translation>
    </message>
</context>
<context>
    <name>UpdateWizard</name>
    <message>
        <source>AIS Identifier Updater</source>
        <translation>Aktualisierung des AIS-Identifiers</translation>
    </message>
    <message>
        <source>Copy Log to Clipboard</source>
        <translation>Protokoll kopieren</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Update messages</source>
        <translation>Meldungen der Aktualisierung</translation>
    </message>
    <message>
        <source>Update progress</source>
        <translation>Fortschritt der Aktualisierung</translation>
    </message>
</context>
<context>
    <name>VelmoraApplication</name>
    <message>
        <source>The settings could not be saved.

Check the access permissions of the settings store.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.

Prüfen Sie die Zugriffsrechte des Einstellungsspeichers.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Versuchen Sie „%1 --help“.</translation>
    </message>
</context>
<context>
    <name>VesselData</name>
    <message>
        <source>30 = Vessel - Fishing</source>
        <translation>30 = Schiff - Fischerei</translation>
    </message>
    <message>
        <source>31 = Vessel - Towing</source>
        <translation>31 = Schiff - Schleppen</translation>
    </message>
    <message>
        <source>32 = Vessel - Towing and length of the tow exceeds 200 m or breadth exceeds 25 m</source>
        <translation>32 = Schiff - Schleppen, Schlepplänge über 200 m oder Breite über 25 m</translation>
    </message>
    <message>
        <source>33 = Vessel - Engaged in dredging or underwater operations</source>
        <translation>33 = Schiff - Bagger- oder Unterwasserarbeiten</translation>
    </message>
    <message>
        <source>34 = Vessel - Engaged in diving operations</source>
        <translation>34 = Schiff - Taucherarbeiten</translation>
    </message>
    <message>
        <source>35 = Vessel - Engaged in military operations</source>
        <translation>35 = Schiff - Militärische Operationen</translation>
    </message>
    <message>
        <source>36 = Vessel - Sailing</source>
        <translation>36 = Schiff - Segelfahrzeug</translation>
    </message>
    <message>
        <source>37 = Vessel - Pleasure craft</source>
        <translation>37 = Schiff - Sportboot</translation>
    </message>
    <message>
        <source>38 = Vessel - Reserved for future use</source>
        <translation>38 = Schiff - Für künftige Nutzung reserviert</translation>
    </message>
    <message>
        <source>39 = Vessel - Reserved for future use</source>
        <translation>39 = Schiff - Für künftige Nutzung reserviert</translation>
    </message>
    <message>
        <source>50 = Pilot vessel</source>
        <translation>50 = Lotsenfahrzeug</translation>
    </message>
    <message>
        <source>51 = Search and rescue vessels</source>
        <translation>51 = Such- und Rettungsfahrzeuge</translation>
    </message>
    <message>
        <source>52 = Tugs</source>
        <translation>52 = Schlepper</translation>
    </message>
    <message>
        <source>53 = Port tenders</source>
        <translation>53 = Hafenversorger</translation>
    </message>
    <message>
        <source>54 = Vessels with anti-pollution facilities or equipment</source>
        <translation>54 = Fahrzeuge mit Ausrüstung zur Schadstoffbekämpfung</translation>
    </message>
    <message>
        <source>55 = Law enforcement vessels</source>
        <translation>55 = Fahrzeuge der Strafverfolgung</translation>
    </message>
    <message>
        <source>56 = Spare - for assignments to local vessels</source>
        <translation>56 = Frei - für Zuweisung an örtliche Fahrzeuge</translation>
    </message>
    <message>
        <source>57 = Spare - for assignments to local vessels</source>
        <translation>57 = Frei - für Zuweisung an örtliche Fahrzeuge</translation>
    </message>
    <message>
        <source>58 = Medical transports (as defined in the 1949 Geneva Conventions and Additional Protocols)</source>
        <translation>58 = Sanitätstransporte (nach den Genfer Abkommen von 1949 und Zusatzprotokollen)</translation>
    </message>
    <message>
        <source>59 = Ships according to RR Resolution No. 18 (Mob-83)</source>
        <translation>59 = Schiffe nach RR-Resolution Nr. 18 (Mob-83)</translation>
    </message>
    <message>
        <source>60 = Passenger ship</source>
        <translation>60 = Fahrgastschiff</translation>
    </message>
    <message>
        <source>70 = Cargo ship</source>
        <translation>70 = Frachtschiff</translation>
    </message>
    <message>
        <source>80 = Tanker</source>
        <translation>80 = Tanker</translation>
    </message>
    <message>
        <source>&lt;Not specified&gt;</source>
        <translation>&lt;Nicht angegeben&gt;</translation>
    </message>
</context>
<context>
    <name>VesselDetailsBox</name>
    <message>
        <source>Vessel details</source>
        <translation>Schiffsdaten</translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation>MMSI-Nummer:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s MMSI, 9 digits in length</source>
        <translation>Die MMSI des Schiffs eingeben, 9 Ziffern lang</translation>
    </message>
    <message>
        <source>MMSI Info...</source>
        <translation>MMSI-Info...</translation>
    </message>
    <message>
        <source>Information about the MMSI</source>
        <translation>Informationen zur MMSI</translation>
    </message>
    <message>
        <source>Vessel name:</source>
        <translation>Schiffsname:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s Name up to 20 characters in length</source>
        <translation>Den Namen des Schiffs eingeben, bis zu 20 Zeichen</translation>
    </message>
    <message>
        <source>Call sign:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s Call Sign up to 7 characters in length</source>
        <translation>Das Rufzeichen des Schiffs eingeben, bis zu 7 Zeichen</translation>
    </message>
    <message>
        <source>Vessel type:</source>
        <translation>Schiffstyp:</translation>
    </message>
    <message>
        <source>Select the Ship&apos;s Vessel Type</source>
        <translation>Den Typ des Schiffs wählen</translation>
    </message>
</context>
<context>
    <name>VesselDimensionsBox</name>
    <message>
        <source>Vessel&apos;s dimensions and Identifier location</source>
        <translation>Abmessungen des Schiffs und Position des Identifiers</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s Dimension in metres</source>
        <translation>Das Maß des Schiffs in Metern eingeben</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>C:</source>
        <translation>C:</translation>
    </message>
    <message>
        <source>D:</source>
        <translation>D:</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Distance between the Identifier and this side of the vessel, in the unit chosen below</source>
        <translation>Abstand zwischen dem Identifier und dieser Seite des Schiffs, in der unten gewählten Einheit</translation>
    </message>
    <message>
        <source>Dimension A, bow</source>
        <translation>Maß A, Bug</translation>
    </message>
    <message>
        <source>Dimension B, stern</source>
        <translation>Maß B, Heck</translation>
    </message>
    <message>
        <source>Dimension C, port side</source>
        <translation>Maß C, Backbord</translation>
    </message>
    <message>
        <source>Dimension D, starboard side</source>
        <translation>Maß D, Steuerbord</translation>
    </message>
</context>
<context>
    <name>VesselIdentityDialog</name>
    <message>
        <source>This vessel&apos;s identity</source>
        <translation>Identität dieses Schiffs</translation>
    </message>
    <message>
        <source>The profile comes from %1: MMSI %2, name &quot;%3&quot;, call sign &quot;%4&quot;. This Identifier takes its other settings; enter this vessel&apos;s own MMSI, name and call sign.</source>
        <translation>Das Profil stammt von %1: MMSI %2, Name „%3“, Rufzeichen „%4“. Dieser Identifier übernimmt seine übrigen Einstellungen; geben Sie MMSI, Namen und Rufzeichen dieses Schiffs ein.</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>Vessel name:</source>
        <translation>Schiffsname:</translation>
    </message>
    <message>
        <source>Call sign:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>This Identifier&apos;s: %1</source>
        <translation>Dieser Identifier: %1</translation>
    </message>
    <message>
        <source>The profile&apos;s: %1</source>
        <translation>Das Profil: %1</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Abmessungen:</translation>
    </message>
    <message>
        <source>A %1 m, B %2 m, C %3 m, D %4 m</source>
        <translation>A %1 m, B %2 m, C %3 m, D %4 m</translation>
    </message>
</context>
<context>
    <name>VesselTab</name>
    <message>
        <source>Maritime Mobile Service Identity (MMSI)</source>
        <translation>Maritime Mobile Service Identity (MMSI)</translation>
    </message>
    <message>
        <source>MMSI - A unique nine digit number that identifies a particular ship or shore station.

</source>
        <translation>MMSI - eine eindeutige neunstellige Nummer, die ein bestimmtes Schiff oder eine Küstenfunkstelle kennzeichnet.

</translation>
    </message>
    <message>
        <source>The MMSI can be programmed only once. Please contact your dealer if you are unsure of your MMSI number.</source>
        <translation>Die MMSI kann nur einmal programmiert werden. Wenden Sie sich an Ihren Händler, wenn Sie Ihre MMSI nicht sicher kennen.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
</context>
<context>
    <name>VoyageLogExport</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>SOG</source>
        <translation>SOG</translation>
    </message>
    <message>
        <source>COG</source>
        <translation>COG</translation>
    </message>
    <message>
        <source>Bat. volts</source>
        <translation>Batt.-Spannung</translation>
    </message>
    <message>
        <source>Off bracket</source>
        <translation>Außerhalb Halterung</translation>
    </message>
    <message>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <source>Geofence</source>
        <translation>Geofence</translation>
    </message>
    <message>
        <source>Power fail</source>
        <translation>Stromausfall</translation>
    </message>
    <message>
        <source>ID error</source>
        <translation>ID-Fehler</translation>
    </message>
    <message>
        <source>SOG: %1&lt;br/&gt;</source>
        <translation>SOG: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>SOG: --&lt;br/&gt;</source>
        <translation>SOG: --&lt;br/&gt;</translation>
    </message>
    <message>
        <source>COG: %1&lt;br/&gt;</source>
        <translation>COG: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>COG: --&lt;br/&gt;</source>
        <translation>COG: --&lt;br/&gt;</translation>
    </message>
    <message>
        <source>VBatt: %1&lt;br/&gt;</source>
        <translation>Batteriespannung: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Off Bracket: %1&lt;br/&gt;</source>
        <translation>Außerhalb Halterung: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>SOS Alert: %1&lt;br/&gt;</source>
        <translation>SOS-Alarm: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>GeoFence Alert: %1&lt;br/&gt;</source>
        <translation>Geofence-Alarm: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Power Fail Alert: %1&lt;br/&gt;</source>
        <translation>Stromausfall-Alarm: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>ID Error Alert: %1</source>
        <translation>ID-Fehler-Alarm: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>VoyageLogTab</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Latitude, longitude, SOG and COG are stored at the defined interval if the vessel has moved the minimum distance.
Diagnostic information is stored when it changes.</source>
        <translation>Breite, Länge, SOG und COG werden im eingestellten Intervall gespeichert, wenn sich das Schiff um die Mindestdistanz bewegt hat.
Diagnosedaten werden gespeichert, wenn sie sich ändern.</translation>
    </message>
    <message>
        <source>Log configuration</source>
        <translation>Reiselogbuch-Einstellungen</translation>
    </message>
    <message>
        <source>Enable voyage log</source>
        <translation>Reiselogbuch aktivieren</translation>
    </message>
    <message>
        <source>Log period:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Set the interval between log entries.</source>
        <translation>Den Abstand zwischen den Einträgen im Reiselogbuch einstellen.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Minimum distance:</source>
        <translation>Mindestdistanz:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Entrer the distance the vessel must move in the logging period to cause a log entry to be generated.  This prevents vessels generating logs when stationary.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Die Strecke eingeben, die das Schiff im Intervall zurücklegen muss, damit ein Eintrag im Reiselogbuch entsteht. So erzeugen stillliegende Schiffe keine Einträge.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Send Log
Configuration</source>
        <translation>Reiselogbuch-
Einstellungen senden</translation>
    </message>
    <message>
        <source>Get Log</source>
        <translation>Reiselogbuch abrufen</translation>
    </message>
    <message>
        <source>Export log...</source>
        <translation>Reiselogbuch exportieren...</translation>
    </message>
    <message>
        <source>Clear log...</source>
        <translation>Reiselogbuch löschen...</translation>
    </message>
    <message>
        <source>Fetching the voyage log</source>
        <translation>Reiselog wird abgerufen</translation>
    </message>
    <message>
        <source>Created </source>
        <translation>Erstellt </translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 Eintrag</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 von %2 Einträgen</translation>
    </message>
    <message>
        <source>Export voyage log...</source>
        <translation>Reiselogbuch exportieren...</translation>
    </message>
    <message>
        <source>Comma Separated Values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Keyhole Markup Language (*.kml)</source>
        <translation>Keyhole Markup Language (*.kml)</translation>
    </message>
    <message>
        <source>Clear Voyage Data Log</source>
        <translation>Reiselogbuch löschen</translation>
    </message>
    <message>
        <source>This action will delete the Voyage Data Log from the connected Identifier.
Any required data should be exported.</source>
        <translation>Diese Aktion löscht das Reiselogbuch aus dem angeschlossenen Identifier.
Benötigte Daten sollten vorher exportiert werden.</translation>
    </message>
    <message>
        <source>Export and clear log</source>
        <translation>Exportieren und löschen</translation>
    </message>
    <message>
        <source>Clear log only</source>
        <translation>Nur löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Time between log entries, in seconds</source>
        <translation>Zeit zwischen den Einträgen im Reiselogbuch, in Sekunden</translation>
    </message>
    <message>
        <source>Distance the vessel must move in a log period before an entry is logged, in metres</source>
        <translation>Strecke, die das Schiff in einem Intervall zurücklegen muss, bevor ein Eintrag geschrieben wird, in Metern</translation>
    </message>
    <message>
        <source>Voyage log</source>
        <translation>Reiselogbuch</translation>
    </message>
    <message>
        <source>There are no voyage records to export.</source>
        <translation>Es gibt keine Reiselogbuch-Einträge zum Exportieren.</translation>
    </message>
    <message>
        <source>The voyage log did not arrive whole. It was not exported, and the Identifier keeps it; try again.</source>
        <translation>Das Reiselogbuch ist nicht vollständig angekommen. Es wurde nicht exportiert, und der Identifier behält es; bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 of %2 records arrived.</source>
        <translation>%1 von %2 Einträgen sind angekommen.</translation>
    </message>
</context>
<context>
    <name>cChapPasswordEntry</name>
    <message>
        <source>Enter Access Password</source>
        <translation>Zugangspasswort eingeben</translation>
    </message>
    <message>
        <source>A password is required to access the device.</source>
        <translation>Für den Zugriff auf das Gerät ist ein Passwort erforderlich.</translation>
    </message>
    <message>
        <source> Enter password:</source>
        <translation> Passwort eingeben:</translation>
    </message>
    <message>
        <source>Use Password</source>
        <translation>Passwort verwenden</translation>
    </message>
    <message>
        <source>Device password</source>
        <translation>Gerätepasswort</translation>
    </message>
</context>
<context>
    <name>cConnectionManager</name>
    <message>
        <source>Insert / Connect an Identifier.

Application is attempting to connect.</source>
        <translation>Stecken Sie einen Identifier ein oder schließen Sie ihn an.

Das Programm versucht, eine Verbindung herzustellen.</translation>
    </message>
</context>
<context>
    <name>cControlTab</name>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Bracket message control</source>
        <translation>Meldungssteuerung Halterung</translation>
    </message>
    <message>
        <source>Off-bracket:</source>
        <translation>Außerhalb der Halterung:</translation>
    </message>
    <message>
        <source>Transmit normally
with alert</source>
        <translation>Normal senden
mit Alarm</translation>
    </message>
    <message>
        <source>An alert is included in the messaging if the Identifier is off-bracket.</source>
        <translation>Ein Alarm wird in die Meldungen aufgenommen, wenn der Identifier außerhalb der Halterung ist.</translation>
    </message>
    <message>
        <source>Stop transmission</source>
        <translation>Senden einstellen</translation>
    </message>
    <message>
        <source>Transmissions stop if the Identifier is off-bracket.</source>
        <translation>Das Senden endet, wenn der Identifier außerhalb der Halterung ist.</translation>
    </message>
    <message>
        <source>Bracket error:</source>
        <translation>Halterungsfehler:</translation>
    </message>
    <message>
        <source>An alert is included in the messaging if a bracket error is detected.</source>
        <translation>Ein Alarm wird in die Meldungen aufgenommen, wenn ein Halterungsfehler erkannt wird.</translation>
    </message>
    <message>
        <source>Transmissions stop if a bracket error is detected.</source>
        <translation>Das Senden endet, wenn ein Halterungsfehler erkannt wird.</translation>
    </message>
    <message>
        <source>SOS control</source>
        <translation>SOS-Steuerung</translation>
    </message>
    <message>
        <source>Enable SOS alert:</source>
        <translation>SOS-Alarm aktivieren:</translation>
    </message>
    <message>
        <source>Enable the SOS alert.  The defined message is sent if the SOS button on the Identifier is pressed.</source>
        <translation>Den SOS-Alarm aktivieren. Die festgelegte Meldung wird gesendet, wenn die SOS-Taste am Identifier gedrückt wird.</translation>
    </message>
    <message>
        <source>SOS message:</source>
        <translation>SOS-Meldung:</translation>
    </message>
    <message>
        <source>Define the SOS message to be sent if it is enabled and activated.</source>
        <translation>Die SOS-Meldung festlegen, die gesendet wird, wenn sie aktiviert und ausgelöst ist.</translation>
    </message>
    <message>
        <source>MAYDAY MAYDAY</source>
        <translation>MAYDAY MAYDAY</translation>
    </message>
    <message>
        <source>Enable audible alert</source>
        <translation>Akustischen Alarm aktivieren</translation>
    </message>
    <message>
        <source>Audible alert</source>
        <translation>Akustischer Alarm</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Always enable</source>
        <translation>Immer aktivieren</translation>
    </message>
    <message>
        <source>Use the SOSbuzzer interval for battery power.</source>
        <translation>Das SOS-Summerintervall für Batteriebetrieb verwenden.</translation>
    </message>
    <message>
        <source>Enable with power</source>
        <translation>Mit Bordstrom aktivieren</translation>
    </message>
    <message>
        <source>Use the SOS buzzer interval for vessel power.</source>
        <translation>Das SOS-Summerintervall für Bordstrom verwenden.</translation>
    </message>
    <message>
        <source>Geofence control</source>
        <translation>Geofence-Steuerung</translation>
    </message>
    <message>
        <source>Enable fence type</source>
        <translation>Zonentyp aktivieren</translation>
    </message>
    <message>
        <source>Operational </source>
        <translation>Betrieb </translation>
    </message>
    <message>
        <source>Enables the operational fence.</source>
        <translation>Aktiviert die Betriebszone.</translation>
    </message>
    <message>
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message>
        <source>Enables the Halvex fence.</source>
        <translation>Aktiviert die Halvex-Zone.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Enables the encryption fence.</source>
        <translation>Aktiviert die Verschlüsselungszone.</translation>
    </message>
    <message>
        <source>Disables the Geofence audible alert even if it is defined in the Geofence configuration.</source>
        <translation>Deaktiviert den akustischen Geofence-Alarm, auch wenn er in der Geofence-Konfiguration festgelegt ist.</translation>
    </message>
    <message>
        <source>Enables the Geofence audible alert if defined in a Geofence configuration.</source>
        <translation>Aktiviert den akustischen Geofence-Alarm, wenn er in einer Geofence-Konfiguration festgelegt ist.</translation>
    </message>
    <message>
        <source>Enables the Geofence audible alert if defined in the Geofence configuration and there is vessel power.</source>
        <translation>Aktiviert den akustischen Geofence-Alarm, wenn er in der Geofence-Konfiguration festgelegt ist und Bordstrom anliegt.</translation>
    </message>
    <message>
        <source>Geofence message control</source>
        <translation>Meldungssteuerung Geofence</translation>
    </message>
    <message>
        <source>Inside geofence</source>
        <translation>Innerhalb des Geofence</translation>
    </message>
    <message>
        <source>Transmit normally</source>
        <translation>Normal senden</translation>
    </message>
    <message>
        <source>Messages are transmitted normally if the vessel is inside the geo-fence area.</source>
        <translation>Meldungen werden normal gesendet, wenn das Schiff innerhalb des Geofence-Bereichs ist.</translation>
    </message>
    <message>
        <source>Transmit with alert</source>
        <translation>Mit Alarm senden</translation>
    </message>
    <message>
        <source>Messages are transmitted with an alert if the vessel is inside the geo-fence area.</source>
        <translation>Meldungen werden mit Alarm gesendet, wenn das Schiff innerhalb des Geofence-Bereichs ist.</translation>
    </message>
    <message>
        <source>Transmissions stop if the vessel is inside the geo-fence area.</source>
        <translation>Das Senden endet, wenn das Schiff innerhalb des Geofence-Bereichs ist.</translation>
    </message>
    <message>
        <source>Outside geofence</source>
        <translation>Außerhalb des Geofence</translation>
    </message>
    <message>
        <source>Messages are transmitted normally if the vessel is outside the geo-fence area.</source>
        <translation>Meldungen werden normal gesendet, wenn das Schiff außerhalb des Geofence-Bereichs ist.</translation>
    </message>
    <message>
        <source>Messages are transmitted with an alert if the vessel is outside the geo-fence area</source>
        <translation>Meldungen werden mit Alarm gesendet, wenn das Schiff außerhalb des Geofence-Bereichs ist</translation>
    </message>
    <message>
        <source>Transmissions stop if the vessel is outside the geo-fence area.</source>
        <translation>Das Senden endet, wenn das Schiff außerhalb des Geofence-Bereichs ist.</translation>
    </message>
    <message>
        <source>Halvex control</source>
        <translation>Halvex-Steuerung</translation>
    </message>
    <message>
        <source>Enable Halvex</source>
        <translation>Halvex aktivieren</translation>
    </message>
    <message>
        <source>Enables Halvex functionality.</source>
        <translation>Aktiviert die Halvex-Funktion.</translation>
    </message>
    <message>
        <source>Active area</source>
        <translation>Aktiver Bereich</translation>
    </message>
    <message>
        <source> Inside boundary</source>
        <translation> Innerhalb der Grenze</translation>
    </message>
    <message>
        <source>Outside boundary</source>
        <translation>Außerhalb der Grenze</translation>
    </message>
    <message>
        <source>Other control</source>
        <translation>Weitere Steuerung</translation>
    </message>
    <message>
        <source>Enable power box connection</source>
        <translation>Verbindung zur Stromversorgungsbox aktivieren</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If the Identifier is powered by its external power box the connection should be enabled here.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Wird der Identifier über seine externe Stromversorgungsbox versorgt, sollte die Verbindung hier aktiviert werden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Enable power disconnect alert</source>
        <translation>Alarm bei Stromunterbrechung aktivieren</translation>
    </message>
    <message>
        <source>Enable the alert if the power box is disconnected.</source>
        <translation>Den Alarm aktivieren, wenn die Stromversorgungsbox getrennt wird.</translation>
    </message>
    <message>
        <source>Enable SBAS</source>
        <translation>SBAS aktivieren</translation>
    </message>
    <message>
        <source>Enable the satellite based augmentation system for enhanced position accuracy (where this satellite coverage is available).</source>
        <translation>Das satellitengestützte Ergänzungssystem für genauere Positionen aktivieren (wo diese Satellitenabdeckung verfügbar ist).</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
</context>
<context>
    <name>cDeviceActionsTab</name>
    <message>
        <source>Device Actions</source>
        <translation>Geräteaktionen</translation>
    </message>
    <message>
        <source>Device actions (immediate)</source>
        <translation>Geräteaktionen (sofort)</translation>
    </message>
    <message>
        <source>Reset configuration data</source>
        <translation>Konfigurationsdaten zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all the configuration data; alert settings, geo-fence, AIS message settings etc</source>
        <translation>Alle Konfigurationsdaten zurücksetzen: Alarmeinstellungen, Geofence, AIS-Meldungseinstellungen usw.</translation>
    </message>
    <message>
        <source>Reset vessel data</source>
        <translation>Schiffsdaten zurücksetzen</translation>
    </message>
    <message>
        <source>Reset all the vessel data; MMSI number, vessel name etc.</source>
        <translation>Alle Schiffsdaten zurücksetzen: MMSI-Nummer, Schiffsname usw.</translation>
    </message>
    <message>
        <source>Clear paired bracket</source>
        <translation>Gekoppelte Halterung löschen</translation>
    </message>
    <message>
        <source>Clear the data matching this Identifier to a specific bracket.</source>
        <translation>Die Daten löschen, die diesen Identifier einer bestimmten Halterung zuordnen.</translation>
    </message>
    <message>
        <source>Set device to deep sleep</source>
        <translation>Gerät in Tiefschlaf versetzen</translation>
    </message>
    <message>
        <source>Place the Identifier in &apos;deep sleep&apos; to conserve battery power when the unit is not in use.</source>
        <translation>Den Identifier in den Tiefschlaf versetzen, um die Batterie zu schonen, wenn das Gerät nicht benutzt wird.</translation>
    </message>
</context>
<context>
    <name>cGnssRecordPanel</name>
    <message>
        <source>NMEA logs (*.nmea *.log *.txt);;All files (*)</source>
        <translation>NMEA-Protokolle (*.nmea *.log *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Record GNSS...</source>
        <translation>GNSS aufzeichnen...</translation>
    </message>
    <message>
        <source>Replay...</source>
        <translation>Abspielen...</translation>
    </message>
    <message>
        <source>Replay of %1 finished.</source>
        <translation>Wiedergabe von %1 beendet.</translation>
    </message>
    <message>
        <source>Record GNSS</source>
        <translation>GNSS aufzeichnen</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufzeichnung nach %1</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>Die Aufzeichnung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Saved %1 sentences to %2.</source>
        <translation>%1 Sätze in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The recording was full and has been saved: %1 sentences in %2.</source>
        <translation>Die Aufzeichnung war voll und wurde gespeichert: %1 Sätze in %2.</translation>
    </message>
    <message>
        <source>Replay stopped.</source>
        <translation>Wiedergabe angehalten.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no NMEA sentences.</source>
        <translation>%1 enthält keine NMEA-Sätze.</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Wiedergabe beenden</translation>
    </message>
    <message>
        <source>Replaying %1</source>
        <translation>Wiedergabe von %1</translation>
    </message>
</context>
<context>
    <name>cGpsStatusTab</name>
    <message>
        <source>Fix Status:</source>
        <translation>Fix-Status:</translation>
    </message>
    <message>
        <source>UTC Time:</source>
        <translation>UTC-Zeit:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Speed Over Ground:</source>
        <translation>Fahrt über Grund:</translation>
    </message>
    <message>
        <source>Course Over Ground:</source>
        <translation>Kurs über Grund:</translation>
    </message>
    <message>
        <source>Satellites In View:</source>
        <translation>Sichtbare Satelliten:</translation>
    </message>
    <message>
        <source>The number of satellites detected by the device.  The SVN of the satellites in view are shown in the x axis of the histogram.</source>
        <translation>Die Zahl der vom Gerät erkannten Satelliten. Die SVN der sichtbaren Satelliten stehen auf der x-Achse des Histogramms.</translation>
    </message>
    <message>
        <source>Satellites In Use:</source>
        <translation>Genutzte Satelliten:</translation>
    </message>
    <message>
        <source>The number of satellites used for navigation.</source>
        <translation>Die Zahl der zur Navigation genutzten Satelliten.</translation>
    </message>
    <message>
        <source>Satellites Tracked:</source>
        <translation>Verfolgte Satelliten:</translation>
    </message>
    <message>
        <source>The number of satellites actually tracked by the device.  The SVN for these are shown in the x axis of the histogram with no signal strength.</source>
        <translation>Die Zahl der tatsächlich vom Gerät verfolgten Satelliten. Ihre SVN stehen ohne Signalstärke auf der x-Achse des Histogramms.</translation>
    </message>
    <message>
        <source>Satellite being used for navigation</source>
        <translation>Satellit wird zur Navigation genutzt</translation>
    </message>
    <message>
        <source>Satellite not used for navigation</source>
        <translation>Satellit nicht zur Navigation genutzt</translation>
    </message>
    <message>
        <source>Satellite is an SBAS satellite</source>
        <translation>Satellit ist ein SBAS-Satellit</translation>
    </message>
    <message>
        <source>No Fix</source>
        <translation>Kein Fix</translation>
    </message>
    <message>
        <source>%1 kn</source>
        <translation>%1 kn</translation>
    </message>
    <message>
        <source>GNSS Satellite Signal Levels</source>
        <translation>Signalpegel der GNSS-Satelliten</translation>
    </message>
    <message>
        <source>C/No [dBHz]</source>
        <translation>C/No [dBHz]</translation>
    </message>
    <message>
        <source>Satellite ID</source>
        <translation>Satelliten-ID</translation>
    </message>
    <message>
        <source>2D Fix</source>
        <translation>2D-Fix</translation>
    </message>
    <message>
        <source>3D Fix</source>
        <translation>3D-Fix</translation>
    </message>
    <message>
        <source>Satellite </source>
        <translation>Satellit </translation>
    </message>
    <message>
        <source>GNSS sentences</source>
        <translation>GNSS-Sätze</translation>
    </message>
    <message>
        <source>HDOP / PDOP / VDOP:</source>
        <translation>HDOP / PDOP / VDOP:</translation>
    </message>
    <message>
        <source>Dilution of precision: how much the satellites&apos; geometry magnifies the position error horizontally, in three dimensions and vertically. Below 2 is good.</source>
        <translation>Verringerung der Genauigkeit (DOP): wie stark die Lage der Satelliten den Positionsfehler horizontal, räumlich und vertikal vergrößert. Unter 2 ist gut.</translation>
    </message>
    <message>
        <source>Time To First Fix:</source>
        <translation>Zeit bis zum ersten Fix:</translation>
    </message>
    <message>
        <source>From the connection to the first 2D or 3D fix.</source>
        <translation>Von der Verbindung bis zum ersten 2D- oder 3D-Fix.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>cSignalHistoryPlot</name>
    <message>
        <source>Signal over the last 10 minutes</source>
        <translation>Signal in den letzten 10 Minuten</translation>
    </message>
    <message>
        <source>10 min ago</source>
        <translation>vor 10 min</translation>
    </message>
    <message>
        <source>5 min ago</source>
        <translation>vor 5 min</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>Mean C/N0 of the four strongest [dB-Hz], left</source>
        <translation>Mittleres C/N0 der vier stärksten [dB-Hz], links</translation>
    </message>
    <message>
        <source>Satellites used, right</source>
        <translation>Genutzte Satelliten, rechts</translation>
    </message>
</context>
<context>
    <name>cSkyPlot</name>
    <message>
        <source>40 and more</source>
        <translation>40 und mehr</translation>
    </message>
    <message>
        <source>below 20</source>
        <translation>unter 20</translation>
    </message>
    <message>
        <source>Sky plot</source>
        <translation>Himmelsansicht</translation>
    </message>
    <message>
        <source>C/N0 %1 dB-Hz</source>
        <translation>C/N0 %1 dB-Hz</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>kein Signal</translation>
    </message>
    <message>
        <source>%1 %2%3
Elevation %4°, azimuth %5°
%6</source>
        <translation>%1 %2%3
Elevation %4°, Azimut %5°
%6</translation>
    </message>
    <message>
        <source>, used in the fix</source>
        <translation>, für den Fix genutzt</translation>
    </message>
    <message>
        <source>C/N0 [dB-Hz]:</source>
        <translation>C/N0 [dB-Hz]:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>Filled: used in the fix</source>
        <translation>Gefüllt: für den Fix genutzt</translation>
    </message>
</context>
<context>
    <name>cUpdateRequest</name>
    <message>
        <source>usage: %1 IMAGE PORT BAUDCODE  (BAUDCODE 15 for 38400 baud, 19 for 115200 baud)</source>
        <translation>Aufruf: %1 ABBILD PORT BAUDCODE  (BAUDCODE 15 für 38400 Baud, 19 für 115200 Baud)</translation>
    </message>
</context>
</TS>
