<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>This application has been developed with the QT Framework
</source>
        <translation>Cette application a été développée avec le framework Qt
</translation>
    </message>
    <message>
        <source>About QT...</source>
        <translation>À propos de Qt...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>AisDecoder</name>
    <message>
        <source>Wing in ground</source>
        <translation>Navire à effet de surface</translation>
    </message>
    <message>
        <source>High-speed craft</source>
        <translation>Engin à grande vitesse</translation>
    </message>
    <message>
        <source>Passenger</source>
        <translation>Navire à passagers</translation>
    </message>
    <message>
        <source>Cargo</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Tanker</source>
        <translation>Navire-citerne</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>Fishing</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Towing</source>
        <translation>Remorquage</translation>
    </message>
    <message>
        <source>Dredging or underwater operations</source>
        <translation>Dragage ou travaux sous-marins</translation>
    </message>
    <message>
        <source>Diving operations</source>
        <translation>Opérations de plongée</translation>
    </message>
    <message>
        <source>Military operations</source>
        <translation>Opérations militaires</translation>
    </message>
    <message>
        <source>Sailing</source>
        <translation>Voilier</translation>
    </message>
    <message>
        <source>Pleasure craft</source>
        <translation>Navire de plaisance</translation>
    </message>
    <message>
        <source>Pilot vessel</source>
        <translation>Bateau pilote</translation>
    </message>
    <message>
        <source>Search and rescue</source>
        <translation>Recherche et sauvetage</translation>
    </message>
    <message>
        <source>Tug</source>
        <translation>Remorqueur</translation>
    </message>
    <message>
        <source>Port tender</source>
        <translation>Navire de servitude portuaire</translation>
    </message>
    <message>
        <source>Anti-pollution</source>
        <translation>Lutte antipollution</translation>
    </message>
    <message>
        <source>Law enforcement</source>
        <translation>Forces de l&apos;ordre</translation>
    </message>
    <message>
        <source>Local vessel</source>
        <translation>Navire local</translation>
    </message>
    <message>
        <source>Medical transport</source>
        <translation>Transport médical</translation>
    </message>
    <message>
        <source>Non-combatant ship</source>
        <translation>Navire non combattant</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Réservé</translation>
    </message>
</context>
<context>
    <name>BasicConfirmDialog</name>
    <message>
        <source>Confirm Vessel Data</source>
        <translation>Confirmer les données du navire</translation>
    </message>
    <message>
        <source>Please confirm that the vessel data shown below is correct</source>
        <translation>Veuillez confirmer que les données du navire ci-dessous sont correctes</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI&#xa0;:</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Vessel name:</source>
        <translation>Nom du navire&#xa0;:</translation>
    </message>
    <message>
        <source>Ship name</source>
        <translation>Nom du navire</translation>
    </message>
    <message>
        <source>Call sign:</source>
        <translation>Indicatif d&apos;appel&#xa0;:</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Indicatif d&apos;appel</translation>
    </message>
    <message>
        <source>Vessel type:</source>
        <translation>Type de navire&#xa0;:</translation>
    </message>
    <message>
        <source>Vessel type</source>
        <translation>Type de navire</translation>
    </message>
    <message>
        <source>Vessel dimensions:</source>
        <translation>Dimensions du navire&#xa0;:</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Power interface unit:</source>
        <translation>Boîtier d&apos;alimentation&#xa0;:</translation>
    </message>
    <message>
        <source>Power Unit Enabled</source>
        <translation>Boîtier d&apos;alimentation activé</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Write Configuration</source>
        <translation>Écrire la configuration</translation>
    </message>
    <message>
        <source>%1 (not specified)</source>
        <translation>%1 (non précisé)</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
</context>
<context>
    <name>BasicTab</name>
    <message>
        <source>Send the configuration data to the Identifier.</source>
        <translation>Envoyer les données de configuration à l&apos;Identifier.</translation>
    </message>
    <message>
        <source>Configure
device</source>
        <translation>Configurer
l&apos;appareil</translation>
    </message>
    <message>
        <source>Enable power interface unit</source>
        <translation>Activer le boîtier d&apos;alimentation</translation>
    </message>
    <message>
        <source>Device actions (immediate)</source>
        <translation>Actions sur l&apos;appareil (immédiates)</translation>
    </message>
    <message>
        <source>Clear the data matching this Identifier to a specific bracket.</source>
        <translation>Effacer les données qui associent cet Identifier à un support précis.</translation>
    </message>
    <message>
        <source>Clear paired bracket</source>
        <translation>Effacer le support appairé</translation>
    </message>
    <message>
        <source>Place the Identifier in &apos;deep sleep&apos; to conserve battery power when the unit is not in use.</source>
        <translation>Mettre l&apos;Identifier en veille profonde pour économiser la batterie lorsque l&apos;appareil n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <source>Set device to deep sleep</source>
        <translation>Mettre l&apos;appareil en veille profonde</translation>
    </message>
</context>
<context>
    <name>BootLoaderRecovery</name>
    <message>
        <source>The image was sent, but the Identifier answers at neither 115200 nor 38400 baud.</source>
        <translation>L&apos;image a été envoyée, mais l&apos;Identifier ne répond ni à 115200 ni à 38400 bauds.</translation>
    </message>
    <message>
        <source>Recovered from its boot loader; the firmware is now %1.</source>
        <translation>Récupéré de son chargeur d&apos;amorçage&#xa0;; le micrologiciel est maintenant %1.</translation>
    </message>
    <message>
        <source>The image %1 was sent, but the Identifier reports the firmware %2.</source>
        <translation>L&apos;image %1 a été envoyée, mais l&apos;Identifier indique le micrologiciel %2.</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>L&apos;Identifier attend dans son chargeur d&apos;amorçage&#xa0;; reconnectez-le pour le récupérer.</translation>
    </message>
    <message>
        <source>The boot loader did not take the image.</source>
        <translation>Le chargeur d&apos;amorçage n&apos;a pas accepté l&apos;image.</translation>
    </message>
    <message>
        <source>The port could not be used for the recovery.</source>
        <translation>Le port n&apos;a pas pu être utilisé pour la récupération.</translation>
    </message>
    <message>
        <source>The image could not be read whole during the recovery.</source>
        <translation>L&apos;image n&apos;a pas pu être lue entièrement pendant la récupération.</translation>
    </message>
    <message>
        <source>The transfer of the image was cut short.</source>
        <translation>Le transfert de l&apos;image a été interrompu.</translation>
    </message>
</context>
<context>
    <name>BroadcastComparison</name>
    <message>
        <source>Position report, class A</source>
        <translation>Rapport de position, classe A</translation>
    </message>
    <message>
        <source>Static and voyage data</source>
        <translation>Données statiques et de voyage</translation>
    </message>
    <message>
        <source>Safety message</source>
        <translation>Message de sécurité</translation>
    </message>
    <message>
        <source>Position report, class B</source>
        <translation>Rapport de position, classe B</translation>
    </message>
    <message>
        <source>Extended position report, class B</source>
        <translation>Rapport de position étendu, classe B</translation>
    </message>
    <message>
        <source>Aid to navigation report</source>
        <translation>Rapport d&apos;aide à la navigation</translation>
    </message>
    <message>
        <source>Static data, part B</source>
        <translation>Données statiques, partie B</translation>
    </message>
    <message>
        <source>Static data, part A</source>
        <translation>Données statiques, partie A</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Indicatif d&apos;appel</translation>
    </message>
    <message>
        <source>Safety text</source>
        <translation>Texte de sécurité</translation>
    </message>
    <message>
        <source>Vessel type</source>
        <translation>Type de navire</translation>
    </message>
    <message>
        <source>Dimension A (bow)</source>
        <translation>Dimension A (avant)</translation>
    </message>
    <message>
        <source>Dimension B (stern)</source>
        <translation>Dimension B (arrière)</translation>
    </message>
    <message>
        <source>Dimension C (port)</source>
        <translation>Dimension C (bâbord)</translation>
    </message>
    <message>
        <source>Dimension D (starboard)</source>
        <translation>Dimension D (tribord)</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1&#xa0;m</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>%1 kn</source>
        <translation>%1&#xa0;nd</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>%1: the device broadcasts &quot;%2&quot;, its settings say &quot;%3&quot;.</source>
        <translation>%1&#xa0;: l&apos;appareil diffuse «&#xa0;%2&#xa0;», ses réglages indiquent «&#xa0;%3&#xa0;».</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>BroadcastsView</name>
    <message>
        <source>What other vessels receive from the device, beside what its settings say.</source>
        <translation>Ce que les autres navires reçoivent de l&apos;appareil, à côté de ce qu&apos;indiquent ses réglages.</translation>
    </message>
    <message>
        <source>Broadcasts</source>
        <translation>Émissions</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Émis</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>No broadcast received yet. A device broadcasts once it has an MMSI.</source>
        <translation>Aucune émission reçue pour l&apos;instant. Un appareil émet dès qu&apos;il a un MMSI.</translation>
    </message>
    <message numerus="yes">
        <source>%n seen, the last %1</source>
        <translation>
            <numerusform>%n reçu, le dernier %1</numerusform>
            <numerusform>%n reçus, le dernier %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s ago</source>
        <translation>
            <numerusform>il y a %n&#xa0;s</numerusform>
            <numerusform>il y a %n&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>il y a %n&#xa0;min</numerusform>
            <numerusform>il y a %n&#xa0;min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>&quot;%1&quot; does not take %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’accepte pas %2.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>The Identifier&apos;s serial port. &quot;program&quot; and &quot;update&quot; take it more than once, one per device. Without it, the port is found by its USB ids.</source>
        <translation>Le port série de l&apos;Identifier. «&#xa0;program&#xa0;» et «&#xa0;update&#xa0;» l&apos;acceptent plusieurs fois, une par appareil. Sans cette option, le port est trouvé par ses identifiants USB.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>One JSON object per result on standard output.</source>
        <translation>Un objet JSON par résultat sur la sortie standard.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>How long to wait for the Identifier to answer (default 20).</source>
        <translation>Durée d&apos;attente de la réponse de l&apos;Identifier (20 par défaut).</translation>
    </message>
    <message>
        <source>SECONDS</source>
        <translation>SECONDES</translation>
    </message>
    <message>
        <source>USB vendor id to look for (decimal or 0x...).</source>
        <translation>Identifiant USB du fabricant à rechercher (décimal ou 0x...).</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>USB product id to look for (decimal or 0x...).</source>
        <translation>Identifiant USB du produit à rechercher (décimal ou 0x...).</translation>
    </message>
    <message>
        <source>The file to write: a profile (read) or the voyage log, .csv or .kml (voyage).</source>
        <translation>Le fichier à écrire&#xa0;: un profil (read) ou le journal de voyage, .csv ou .kml (voyage).</translation>
    </message>
    <message>
        <source>The profile file whose settings are written.</source>
        <translation>Le fichier de profil dont les réglages sont écrits.</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>write: the vessel name, instead of the profile&apos;s.</source>
        <translation>write&#xa0;: le nom du navire, au lieu de celui du profil.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>write: the call sign, instead of the profile&apos;s.</source>
        <translation>write&#xa0;: l&apos;indicatif d&apos;appel, au lieu de celui du profil.</translation>
    </message>
    <message>
        <source>voyage: clear the device&apos;s log once the export is written.</source>
        <translation>voyage&#xa0;: effacer le journal de l&apos;appareil une fois l&apos;export écrit.</translation>
    </message>
    <message>
        <source>program: the CSV list of MMSIs (optionally with vessel name and call sign) to give out.</source>
        <translation>program&#xa0;: la liste CSV des MMSI à attribuer (éventuellement avec nom du navire et indicatif d&apos;appel).</translation>
    </message>
    <message>
        <source>program: update an outdated device&apos;s firmware first instead of skipping it.</source>
        <translation>program&#xa0;: mettre d&apos;abord à jour le micrologiciel d&apos;un appareil obsolète au lieu de l&apos;ignorer.</translation>
    </message>
    <message>
        <source>update: the firmware image to send, instead of the newest of the device&apos;s family; needed for a device waiting in its boot loader.</source>
        <translation>update&#xa0;: l&apos;image de micrologiciel à envoyer, au lieu de la plus récente de la famille de l&apos;appareil&#xa0;; nécessaire pour un appareil qui attend dans son chargeur d&apos;amorçage.</translation>
    </message>
    <message>
        <source>update: send an image that is not newer than the device&apos;s firmware.</source>
        <translation>update&#xa0;: envoyer une image qui n&apos;est pas plus récente que le micrologiciel de l&apos;appareil.</translation>
    </message>
    <message>
        <source>write, program: a PDF certificate for the owner of each device verified, into this folder.</source>
        <translation>write, program&#xa0;: un certificat PDF pour le propriétaire de chaque appareil vérifié, dans ce dossier.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds from 1 to 3600.</source>
        <translation>--timeout attend un nombre de secondes de 1 à 3600.</translation>
    </message>
    <message>
        <source>--vendor-id takes a USB id from 0 to 65535.</source>
        <translation>--vendor-id attend un identifiant USB de 0 à 65535.</translation>
    </message>
    <message>
        <source>--product-id takes a USB id from 0 to 65535.</source>
        <translation>--product-id attend un identifiant USB de 0 à 65535.</translation>
    </message>
    <message>
        <source>This command needs -o FILE.</source>
        <translation>Cette commande nécessite -o FICHIER.</translation>
    </message>
    <message>
        <source>The voyage log is written as .csv or .kml: name the file so.</source>
        <translation>Le journal de voyage s&apos;écrit en .csv ou .kml&#xa0;: nommez le fichier ainsi.</translation>
    </message>
    <message>
        <source>This command needs --profile FILE.</source>
        <translation>Cette commande nécessite --profile FICHIER.</translation>
    </message>
    <message>
        <source>Only &quot;write&quot; and &quot;program&quot; make certificates.</source>
        <translation>Seuls «&#xa0;write&#xa0;» et «&#xa0;program&#xa0;» produisent des certificats.</translation>
    </message>
    <message>
        <source>Only &quot;program&quot; and &quot;update&quot; take more than one --port.</source>
        <translation>Seuls «&#xa0;program&#xa0;» et «&#xa0;update&#xa0;» acceptent plusieurs --port.</translation>
    </message>
    <message>
        <source>The device password of a locked Identifier, on the file&apos;s first line. Without it, the password is asked on the terminal. For &quot;pool&quot;: the database password instead of the password file (~/.pgpass).</source>
        <translation>Le mot de passe d&apos;un Identifier verrouillé, sur la première ligne du fichier. Sans cette option, le mot de passe est demandé dans le terminal. Pour «&#xa0;pool&#xa0;»&#xa0;: le mot de passe de la base de données au lieu du fichier de mots de passe (~/.pgpass).</translation>
    </message>
    <message>
        <source>write: the MMSI to give the device; pool release: the MMSI to free.</source>
        <translation>write&#xa0;: le MMSI à donner à l&apos;appareil&#xa0;; pool release&#xa0;: le MMSI à libérer.</translation>
    </message>
    <message>
        <source>pool, program: the MMSI pool&apos;s PostgreSQL URI (postgresql://user@host:port/database, ?host=/folder for a Unix socket), instead of --mmsi-list.</source>
        <translation>pool, program&#xa0;: l&apos;URI PostgreSQL du pool de MMSI (postgresql://utilisateur@hôte:port/base, ?host=/dossier pour un socket Unix), au lieu de --mmsi-list.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>program --pool: this station&apos;s name in the pool.</source>
        <translation>program --pool&#xa0;: le nom de ce poste dans le pool.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>pool release: why the MMSI is freed, kept in the pool.</source>
        <translation>pool release&#xa0;: pourquoi le MMSI est libéré, conservé dans le pool.</translation>
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
        <translation>Lit, écrit et programme des Identifier sans fenêtre.

Commandes&#xa0;:
  ports     tous les ports série, celui de l&apos;Identifier marqué
  info      version du micrologiciel, numéro de série, MMSI, génération
  read      tous les réglages dans un fichier de profil (-o FICHIER)
  write     les réglages d&apos;un profil, relus et vérifiés
  voyage    le journal de voyage dans un fichier CSV ou KML (-o FICHIER)
  monitor   les émissions AIS de l&apos;appareil, décodées
  program   production&#xa0;: chaque appareil branché reçoit le MMSI suivant de la liste ou du pool
  update    le micrologiciel de chaque appareil (--port, une fois par appareil)
  pool init      crée ou met à jour les tables du pool
  pool import    LISTE.csv&#xa0;: ajoute les MMSI de la liste au pool
  pool status    nombre par état, chaque MMSI réservé
  pool release   libère un MMSI réservé (--mmsi N --reason TEXTE)
  (chaque commande pool nécessite --pool URL)</translation>
    </message>
    <message>
        <source>ports, info, read, write, voyage, monitor, program, update or pool</source>
        <translation>ports, info, read, write, voyage, monitor, program, update ou pool</translation>
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
Codes de sortie&#xa0;:
  0  terminé (et, pour write, vérifié par relecture&#xa0;; monitor&#xa0;: écouté
     jusqu&apos;au bout ou arrêté par Ctrl-C)
  1  la ligne de commande est incorrecte
  2  aucun Identifier trouvé
  3  la communication avec l&apos;Identifier a échoué
  4  l&apos;appareil ne contient pas ce qui a été écrit (program&#xa0;: ou il contient un
     MMSI que la liste ne peut pas lui donner, ou un MMSI reste réservé pour une
     écriture non vérifiée)
  5  un fichier n&apos;a pas pu être lu ou écrit
  6  annulé (Ctrl-C)
  7  le serveur du pool de MMSI n&apos;a pas pu être joint ou a refusé la modification
  8  update&#xa0;: l&apos;image ne convient pas à l&apos;appareil (autre famille, pas plus
     récente sans --force, vide ou illisible)&#xa0;; l&apos;appareil continue de fonctionner
</translation>
    </message>
    <message>
        <source>&quot;pool&quot; needs init, import, status or release.</source>
        <translation>«&#xa0;pool&#xa0;» nécessite init, import, status ou release.</translation>
    </message>
    <message>
        <source>Unknown pool command &quot;%1&quot;.</source>
        <translation>Commande pool inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;pool import&quot; needs the list file: pool import --pool URL LIST.csv</source>
        <translation>«&#xa0;pool import&#xa0;» nécessite le fichier de liste&#xa0;: pool import --pool URL LISTE.csv</translation>
    </message>
    <message>
        <source>&quot;program&quot; needs either --mmsi-list FILE or --pool URL.</source>
        <translation>«&#xa0;program&#xa0;» nécessite soit --mmsi-list FICHIER, soit --pool URL.</translation>
    </message>
    <message>
        <source>&quot;program --pool&quot; needs --station NAME.</source>
        <translation>«&#xa0;program --pool&#xa0;» nécessite --station NOM.</translation>
    </message>
    <message>
        <source>&quot;pool&quot; needs --pool URL.</source>
        <translation>«&#xa0;pool&#xa0;» nécessite --pool URL.</translation>
    </message>
    <message>
        <source>&quot;pool release&quot; needs --mmsi N and --reason TEXT.</source>
        <translation>«&#xa0;pool release&#xa0;» nécessite --mmsi N et --reason TEXTE.</translation>
    </message>
    <message>
        <source>monitor: how long to listen; without it, until Ctrl-C.</source>
        <translation>monitor&#xa0;: durée d&apos;écoute&#xa0;; sans elle, jusqu&apos;à Ctrl-C.</translation>
    </message>
    <message>
        <source>--seconds takes a number of seconds from 1 to 86400.</source>
        <translation>--seconds attend un nombre de secondes de 1 à 86400.</translation>
    </message>
</context>
<context>
    <name>CliProgram</name>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>	(Identifier)</source>
        <translation>	(Identifier)</translation>
    </message>
    <message>
        <source>No serial ports.</source>
        <translation>Aucun port série.</translation>
    </message>
    <message>
        <source>Password of the Identifier: </source>
        <translation>Mot de passe de l&apos;Identifier&#xa0;: </translation>
    </message>
    <message>
        <source>The Identifier is locked; give its password with --password-file FILE.</source>
        <translation>L&apos;Identifier est verrouillé&#xa0;; indiquez son mot de passe avec --password-file FICHIER.</translation>
    </message>
    <message>
        <source>The Identifier refused the password.</source>
        <translation>L&apos;Identifier a refusé le mot de passe.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use PATH as the Identifier&apos;s port whenever it exists, without matching USB ids.</source>
        <translation>Utiliser CHEMIN comme port de l&apos;Identifier chaque fois qu&apos;il existe, sans comparer les identifiants USB.</translation>
    </message>
    <message>
        <source>Configures, monitors and updates the Identifier.</source>
        <translation>Configure, surveille et met à jour l&apos;Identifier.</translation>
    </message>
    <message>
        <source>USB vendor id of the device to look for, in decimal.</source>
        <translation>Identifiant USB du fabricant de l&apos;appareil à rechercher, en décimal.</translation>
    </message>
    <message>
        <source>USB product id of the device to look for, in decimal.</source>
        <translation>Identifiant USB du produit de l&apos;appareil à rechercher, en décimal.</translation>
    </message>
    <message>
        <source>The option --port needs the path of a port.</source>
        <translation>L&apos;option --port nécessite le chemin d&apos;un port.</translation>
    </message>
    <message>
        <source>A vendor id needs a product id after it; looking for the Identifier&apos;s own ids.</source>
        <translation>Un identifiant de fabricant doit être suivi d&apos;un identifiant de produit&#xa0;; recherche des identifiants propres à l&apos;Identifier.</translation>
    </message>
    <message>
        <source>Ignoring the arguments after the product id: %1</source>
        <translation>Arguments ignorés après l&apos;identifiant de produit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The vendor id &quot;%1&quot; is not a decimal number; using 0.</source>
        <translation>L&apos;identifiant de fabricant «&#xa0;%1&#xa0;» n&apos;est pas un nombre décimal&#xa0;; 0 est utilisé.</translation>
    </message>
    <message>
        <source>The product id &quot;%1&quot; is not a decimal number; using 0.</source>
        <translation>L&apos;identifiant de produit «&#xa0;%1&#xa0;» n&apos;est pas un nombre décimal&#xa0;; 0 est utilisé.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
</context>
<context>
    <name>CompleteFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ConfigurationLogImport</name>
    <message>
        <source>Cannot read the configuration log %1: %2</source>
        <translation>Impossible de lire le journal de configuration %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ConfigurationTab</name>
    <message>
        <source>AIS messages</source>
        <translation>Messages AIS</translation>
    </message>
    <message>
        <source>AIS position message interval:</source>
        <translation>Intervalle du message de position AIS&#xa0;:</translation>
    </message>
    <message>
        <source>Adjust the transmission interval of the vessel position message.</source>
        <translation>Régler l&apos;intervalle d&apos;émission du message de position du navire.</translation>
    </message>
    <message>
        <source>30 seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>20 minutes</source>
        <translation>20 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>Enable the the high rate of speed over ground  message.</source>
        <translation>Activer le message à cadence élevée de la vitesse sur le fond.</translation>
    </message>
    <message>
        <source>Enable high-rate reporting</source>
        <translation>Activer les rapports à cadence élevée</translation>
    </message>
    <message>
        <source>AIS position message high-rate SOG:</source>
        <translation>SOG de cadence élevée du message de position AIS&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Set the threshold speed at which the high rate of speed over ground  message will be sent.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Régler le seuil de vitesse à partir duquel le message à cadence élevée de la vitesse sur le fond est envoyé.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> knots</source>
        <translation> nœuds</translation>
    </message>
    <message>
        <source>AIS position message high-rate interval:</source>
        <translation>Intervalle de cadence élevée du message de position AIS&#xa0;:</translation>
    </message>
    <message>
        <source>Adjust the transmission interval of the high rate of speed over ground  message.</source>
        <translation>Régler l&apos;intervalle d&apos;émission du message à cadence élevée de la vitesse sur le fond.</translation>
    </message>
    <message>
        <source>Transmission frequency A:</source>
        <translation>Fréquence d&apos;émission A&#xa0;:</translation>
    </message>
    <message>
        <source>Select the transmission frequency for channel A (AIS default is 161.975 MHz).</source>
        <translation>Choisir la fréquence d&apos;émission du canal A (161,975 MHz par défaut en AIS).</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transmission frequency B:</source>
        <translation>Fréquence d&apos;émission B&#xa0;:</translation>
    </message>
    <message>
        <source>Select the transmission frequency for channel B (AIS default is 162.025 MHz).</source>
        <translation>Choisir la fréquence d&apos;émission du canal B (162,025 MHz par défaut en AIS).</translation>
    </message>
    <message>
        <source>Enable the second transmit channel. The frequency can be set using the adjacent control.</source>
        <translation>Activer le second canal d&apos;émission. La fréquence se règle avec la commande voisine.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>  Serial number:</source>
        <translation>  Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ConsoleFind</name>
    <message>
        <source>No matches</source>
        <translation>Aucune correspondance</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>DeviceCommand</name>
    <message>
        <source>Connecting to the Identifier on %1...</source>
        <translation>Connexion à l&apos;Identifier sur %1...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation>Le port %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No Identifier found. Check the USB cable, or name the port with --port.</source>
        <translation>Aucun Identifier trouvé. Vérifiez le câble USB ou indiquez le port avec --port.</translation>
    </message>
    <message>
        <source>Fetching the voyage log...</source>
        <translation>Récupération du journal de voyage...</translation>
    </message>
    <message>
        <source>Reading the settings...</source>
        <translation>Lecture des réglages...</translation>
    </message>
    <message>
        <source>Writing and reading back...</source>
        <translation>Écriture et relecture...</translation>
    </message>
    <message>
        <source>Port:          %1
Firmware:      %2
Serial number: %3
MMSI:          %4
Generation:    %5</source>
        <translation>Port&#xa0;:              %1
Micrologiciel&#xa0;:     %2
Numéro de série&#xa0;:   %3
MMSI&#xa0;:              %4
Génération&#xa0;:        %5</translation>
    </message>
    <message>
        <source>The settings of %1 are in %2.</source>
        <translation>Les réglages de %1 sont dans %2.</translation>
    </message>
    <message>
        <source>Not on this device, not written: %1</source>
        <translation>Absent de cet appareil, non écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Written and verified on %1.</source>
        <translation>Écrit et vérifié sur %1.</translation>
    </message>
    <message>
        <source>Certificate: %1</source>
        <translation>Certificat&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1&#xa0;: envoyé «&#xa0;%2&#xa0;», l&apos;appareil contient «&#xa0;%3&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>The device does not hold %n of the settings written.</source>
        <translation>
            <numerusform>L&apos;appareil ne contient pas %n des réglages écrits.</numerusform>
            <numerusform>L&apos;appareil ne contient pas %n des réglages écrits.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Clearing the device&apos;s voyage log...</source>
        <translation>Effacement du journal de voyage de l&apos;appareil...</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) written to %1.</source>
        <translation>
            <numerusform>%n enregistrement écrit dans %1.</numerusform>
            <numerusform>%n enregistrements écrits dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The device&apos;s voyage log is cleared.</source>
        <translation>Le journal de voyage de l&apos;appareil est effacé.</translation>
    </message>
    <message>
        <source>The device did not say how many records its voyage log holds; nothing was written and the device keeps its log.</source>
        <translation>L&apos;appareil n&apos;a pas indiqué combien d&apos;enregistrements contient son journal de voyage&#xa0;; rien n&apos;a été écrit et l&apos;appareil conserve son journal.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 records of the device&apos;s voyage log arrived; nothing was written and the device keeps its log. Try again.</source>
        <translation>Seuls %1 des %2 enregistrements du journal de voyage sont arrivés&#xa0;; rien n&apos;a été écrit et l&apos;appareil conserve son journal. Réessayez.</translation>
    </message>
    <message>
        <source>Not offered by the window, written as it is: %1</source>
        <translation>Non proposé par la fenêtre, écrit tel quel&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Listening to the Identifier&apos;s broadcasts for %n s...</source>
        <translation>
            <numerusform>Écoute des émissions de l&apos;Identifier pendant %n&#xa0;s...</numerusform>
            <numerusform>Écoute des émissions de l&apos;Identifier pendant %n&#xa0;s...</numerusform>
        </translation>
    </message>
    <message>
        <source>Listening to the Identifier&apos;s broadcasts until Ctrl-C...</source>
        <translation>Écoute des émissions de l&apos;Identifier jusqu&apos;à Ctrl-C...</translation>
    </message>
</context>
<context>
    <name>DeviceSession</name>
    <message>
        <source>The connection to the Identifier ended.</source>
        <translation>La connexion à l&apos;Identifier est terminée.</translation>
    </message>
    <message>
        <source>The write was cut off: the Identifier may be half-written, holding some of the new settings and not others. Connect it again and write once more.</source>
        <translation>L&apos;écriture a été interrompue&#xa0;: l&apos;Identifier est peut-être à moitié écrit, avec certains des nouveaux réglages et pas d&apos;autres. Reconnectez-le et écrivez à nouveau.</translation>
    </message>
    <message>
        <source>The Identifier on %1 is locked and did not accept the password.</source>
        <translation>L&apos;Identifier sur %1 est verrouillé et n&apos;a pas accepté le mot de passe.</translation>
    </message>
    <message>
        <source>The Identifier on %1 did not answer within %2 s.</source>
        <translation>L&apos;Identifier sur %1 n&apos;a pas répondu dans les %2 s.</translation>
    </message>
</context>
<context>
    <name>DiagnosticsTab</name>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Détails de l&apos;appareil</translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation>Numéro MMSI&#xa0;:</translation>
    </message>
    <message>
        <source>Ship&apos;s MMSI, 9 digits in length</source>
        <translation>MMSI du navire, 9 chiffres</translation>
    </message>
    <message>
        <source>Serial number:</source>
        <translation>Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>The units serial number, 12 characters in length</source>
        <translation>Le numéro de série de l&apos;appareil, 12 caractères</translation>
    </message>
    <message>
        <source>SW version:</source>
        <translation>Version du logiciel&#xa0;:</translation>
    </message>
    <message>
        <source>Status indicators</source>
        <translation>Indicateurs d&apos;état</translation>
    </message>
    <message>
        <source>Battery voltage:</source>
        <translation>Tension de la batterie&#xa0;:</translation>
    </message>
    <message>
        <source>The reported battery voltage.</source>
        <translation>La tension de batterie signalée.</translation>
    </message>
    <message>
        <source>Battery Status:</source>
        <translation>État de la batterie&#xa0;:</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>The reported RSSI</source>
        <translation>Le RSSI signalé</translation>
    </message>
    <message>
        <source>LED indicator:</source>
        <translation>Voyant LED&#xa0;:</translation>
    </message>
    <message>
        <source>Power Box Enabled: </source>
        <translation>Boîtier d&apos;alimentation&#xa0;: </translation>
    </message>
    <message>
        <source>Export configuration log</source>
        <translation>Exporter le journal de configuration</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Export the automatic configuration log.  The log is copied to the desktop by default.  Existing files of the same name are overwritten.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Exporter le journal de configuration automatique. Le journal est copié sur le bureau par défaut. Les fichiers existants du même nom sont remplacés.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Scheduled message indications</source>
        <translation>Indications des messages programmés</translation>
    </message>
    <message>
        <source>Note that these messages are infrequent.</source>
        <translation>Notez que ces messages sont peu fréquents.</translation>
    </message>
    <message>
        <source>Configuration (*.log)</source>
        <translation>Configuration (*.log)</translation>
    </message>
    <message>
        <source>Any (*.*)</source>
        <translation>Tous (*.*)</translation>
    </message>
    <message>
        <source>Export configuration log...</source>
        <translation>Exporter le journal de configuration...</translation>
    </message>
</context>
<context>
    <name>DiagnosticsTexts</name>
    <message>
        <source>0 Temperature charge pause</source>
        <translation>0 Charge en pause (température)</translation>
    </message>
    <message>
        <source>1 Fault, charge halt</source>
        <translation>1 Défaut, charge arrêtée</translation>
    </message>
    <message>
        <source>2 Charge in progress</source>
        <translation>2 Charge en cours</translation>
    </message>
    <message>
        <source>3 Charge complete</source>
        <translation>3 Charge terminée</translation>
    </message>
    <message>
        <source>4 No charge supply</source>
        <translation>4 Pas d&apos;alimentation de charge</translation>
    </message>
    <message>
        <source>5 No battery fitted</source>
        <translation>5 Pas de batterie</translation>
    </message>
    <message>
        <source>6 Charging, reduced current</source>
        <translation>6 Charge à courant réduit</translation>
    </message>
    <message>
        <source>0 Battery not charging</source>
        <translation>0 Batterie non en charge</translation>
    </message>
    <message>
        <source>1 Battery charging</source>
        <translation>1 Batterie en charge</translation>
    </message>
    <message>
        <source>2 Charge complete</source>
        <translation>2 Charge terminée</translation>
    </message>
    <message>
        <source>3 Charge fault</source>
        <translation>3 Défaut de charge</translation>
    </message>
    <message>
        <source>0 SOS alert</source>
        <translation>0 Alerte SOS</translation>
    </message>
    <message>
        <source>1 Charge fault </source>
        <translation>1 Défaut de charge </translation>
    </message>
    <message>
        <source>2 GeoFence alert</source>
        <translation>2 Alerte de géorepérage</translation>
    </message>
    <message>
        <source>3 Low battery</source>
        <translation>3 Batterie faible</translation>
    </message>
    <message>
        <source>4 Bracket mismatch</source>
        <translation>4 Support non concordant</translation>
    </message>
    <message>
        <source>5 No position</source>
        <translation>5 Pas de position</translation>
    </message>
    <message>
        <source>6 Tx error</source>
        <translation>6 Erreur d&apos;émission</translation>
    </message>
    <message>
        <source>7 No MMSI</source>
        <translation>7 Pas de MMSI</translation>
    </message>
    <message>
        <source>8 OK (in bracket)</source>
        <translation>8 OK (sur support)</translation>
    </message>
    <message>
        <source>9 Charging</source>
        <translation>9 En charge</translation>
    </message>
    <message>
        <source>10 Charge complete</source>
        <translation>10 Charge terminée</translation>
    </message>
    <message>
        <source>0 User alert</source>
        <translation>0 Alerte utilisateur</translation>
    </message>
    <message>
        <source>1 Geofence alert</source>
        <translation>1 Alerte de géorepérage</translation>
    </message>
    <message>
        <source>2 Bootloader</source>
        <translation>2 Chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>3 No MMSI</source>
        <translation>3 Pas de MMSI</translation>
    </message>
    <message>
        <source>4 Wrong ID</source>
        <translation>4 ID incorrect</translation>
    </message>
    <message>
        <source>5 No GPS</source>
        <translation>5 Pas de GPS</translation>
    </message>
    <message>
        <source>6 TX error</source>
        <translation>6 Erreur d&apos;émission</translation>
    </message>
    <message>
        <source>7 Error</source>
        <translation>7 Erreur</translation>
    </message>
    <message>
        <source>8 Battery 10% alert</source>
        <translation>8 Alerte batterie 10 %</translation>
    </message>
    <message>
        <source>9 Battery 25% aler</source>
        <translation>9 Alerte batterie 25 %</translation>
    </message>
    <message>
        <source>10 Battery 50% aler</source>
        <translation>10 Alerte batterie 50 %</translation>
    </message>
    <message>
        <source>11 Battery charging</source>
        <translation>11 Batterie en charge</translation>
    </message>
    <message>
        <source>12 Battery charge error</source>
        <translation>12 Erreur de charge de la batterie</translation>
    </message>
    <message>
        <source>13 Battery charge complete</source>
        <translation>13 Charge de la batterie terminée</translation>
    </message>
    <message>
        <source>14 Operating normally</source>
        <translation>14 Fonctionnement normal</translation>
    </message>
    <message>
        <source>15 Test LED red</source>
        <translation>15 Test LED rouge</translation>
    </message>
    <message>
        <source>16 Test LED green</source>
        <translation>16 Test LED verte</translation>
    </message>
    <message>
        <source>17 Test LED blue</source>
        <translation>17 Test LED bleue</translation>
    </message>
    <message>
        <source>18 Number of indicators</source>
        <translation>18 Nombre d&apos;indicateurs</translation>
    </message>
    <message>
        <source>0 Power Box Disabled</source>
        <translation>0 désactivé</translation>
    </message>
    <message>
        <source>1 Power Box Enabled</source>
        <translation>1 activé</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>99 Default priority</source>
        <translation>99 Priorité par défaut</translation>
    </message>
</context>
<context>
    <name>DisconnectDialog</name>
    <message>
        <source>Programming Complete</source>
        <translation>Programmation terminée</translation>
    </message>
    <message>
        <source>The Identifier has been configured successfully.</source>
        <translation>L&apos;Identifier a été configuré avec succès.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Verified: every setting sent was read back from the Identifier.</source>
        <translation>Vérifié&#xa0;: chaque réglage envoyé a été relu depuis l&apos;Identifier.</translation>
    </message>
    <message>
        <source>Save certificate...</source>
        <translation>Enregistrer le certificat...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save certificate</source>
        <translation>Enregistrer le certificat</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Certificate saved as %1.</source>
        <translation>Certificat enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>Flashwell</name>
    <message>
        <source>Updating AIS Identifier</source>
        <translation>Mise à jour de l&apos;Identifier AIS</translation>
    </message>
    <message>
        <source>Update incomplete</source>
        <translation>Mise à jour incomplète</translation>
    </message>
    <message>
        <source>It has not been possible to update this AIS Identifier.</source>
        <translation>Il n&apos;a pas été possible de mettre à jour cet Identifier AIS.</translation>
    </message>
    <message>
        <source>You may retry, or contact your supplier for support. The parent application will repeat this update attempt and will not continue unless it is successful.</source>
        <translation>Vous pouvez réessayer ou contacter votre fournisseur. L&apos;application principale répétera cette tentative de mise à jour et ne continuera qu&apos;en cas de réussite.</translation>
    </message>
    <message>
        <source>Contact your supplier for support. The parent application will repeat this update attempt and will not continue unless it is successful.</source>
        <translation>Contactez votre fournisseur. L&apos;application principale répétera cette tentative de mise à jour et ne continuera qu&apos;en cas de réussite.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Connecting to the Identifier.</source>
        <translation>Connexion à l&apos;Identifier.</translation>
    </message>
    <message>
        <source>Connection in progress...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>IMPORTANT: Do not terminate Flashwell, disconnect or remove the AIS Identifier from the dock while connection is in progress.</source>
        <translation>IMPORTANT&#xa0;: ne fermez pas Flashwell et ne déconnectez ni ne retirez l&apos;Identifier AIS de sa station pendant la connexion.</translation>
    </message>
    <message>
        <source>Update in progress...</source>
        <translation>Mise à jour en cours...</translation>
    </message>
    <message>
        <source>IMPORTANT: Do not terminate Flashwell, disconnect or remove the AIS Identifier from the dock during the update.</source>
        <translation>IMPORTANT&#xa0;: ne fermez pas Flashwell et ne déconnectez ni ne retirez l&apos;Identifier AIS de sa station pendant la mise à jour.</translation>
    </message>
    <message>
        <source>Restarting connection...</source>
        <translation>Reprise de la connexion...</translation>
    </message>
    <message>
        <source>Failed to connect for update</source>
        <translation>Échec de la connexion pour la mise à jour</translation>
    </message>
    <message>
        <source>Update not initiated</source>
        <translation>Mise à jour non lancée</translation>
    </message>
    <message>
        <source>Unable to access update port.</source>
        <translation>Impossible d&apos;accéder au port de mise à jour.</translation>
    </message>
    <message>
        <source>Unable to access update file. </source>
        <translation>Impossible d&apos;accéder au fichier de mise à jour. </translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>Data transfer timeout.</source>
        <translation>Délai de transfert des données dépassé.</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>L&apos;Identifier attend dans son chargeur d&apos;amorçage&#xa0;; reconnectez-le pour le récupérer.</translation>
    </message>
    <message>
        <source>Ensure device is connected and attempt retry before closing this application. The parent application will repeat this update attempt and will not continue unless it is successful.</source>
        <translation>Vérifiez que l&apos;appareil est connecté et réessayez avant de fermer cette application. L&apos;application principale répétera cette tentative de mise à jour et ne continuera qu&apos;en cas de réussite.</translation>
    </message>
    <message>
        <source>Update complete</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>The update has completed successfully.</source>
        <translation>La mise à jour s&apos;est terminée avec succès.</translation>
    </message>
    <message>
        <source> from </source>
        <translation> depuis </translation>
    </message>
    <message>
        <source>About Flashwell</source>
        <translation>À propos de Flashwell</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>This program uses Qt version %1, available under the GNU Lesser General Public License version 3.
It also uses the Qwt project (https://qwt.sourceforge.io).</source>
        <translation>Ce programme utilise Qt version %1, disponible sous la licence GNU Lesser General Public License version 3.
Il utilise aussi le projet Qwt (https://qwt.sourceforge.io).</translation>
    </message>
    <message>
        <source>Click  %1 to abort or %2 to try again.</source>
        <translation>Cliquez sur %1 pour abandonner ou sur %2 pour réessayer.</translation>
    </message>
    <message>
        <source>Click  %1 to exit.  %2 to retry the update.</source>
        <translation>Cliquez sur %1 pour quitter ou sur %2 pour relancer la mise à jour.</translation>
    </message>
    <message>
        <source>Click  %1 to exit.  </source>
        <translation>Cliquez sur %1 pour quitter.</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>HistoryActions</name>
    <message>
        <source>Programming history...</source>
        <translation>Historique de programmation...</translation>
    </message>
</context>
<context>
    <name>LogExportMessage</name>
    <message>
        <source>File created </source>
        <translation>Fichier créé </translation>
    </message>
    <message>
        <source> could not be created.</source>
        <translation> n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>Check access permissions.</source>
        <translation>Vérifiez les droits d&apos;accès.</translation>
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
        <translation>Le journal de configuration n&apos;est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>Advanced log in...</source>
        <translation>Connexion au mode avancé...</translation>
    </message>
    <message>
        <source>A password is required to access the advanced configuration controls.</source>
        <translation>Un mot de passe est nécessaire pour accéder aux réglages de configuration avancés.</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Saisir le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>About this application</source>
        <translation>À propos de cette application</translation>
    </message>
    <message>
        <source>&amp;Change advanced password...</source>
        <translation>&amp;Changer le mot de passe avancé...</translation>
    </message>
    <message>
        <source>Send configuration to Identifier</source>
        <translation>Envoyer la configuration à l&apos;Identifier</translation>
    </message>
    <message>
        <source>MMSI Invalid</source>
        <translation>MMSI non valide</translation>
    </message>
    <message>
        <source>A valid MMSI in the range 100000000 to 999999999 must be entered. Identifier not updated.</source>
        <translation>Un MMSI valide entre 100000000 et 999999999 doit être saisi. L&apos;Identifier n&apos;a pas été mis à jour.</translation>
    </message>
    <message>
        <source>Save Log To File</source>
        <translation>Enregistrer le journal dans un fichier</translation>
    </message>
    <message>
        <source>Text Log Files (*.txt *.log)</source>
        <translation>Fichiers journaux texte (*.txt *.log)</translation>
    </message>
    <message>
        <source>Error creating Log File</source>
        <translation>Erreur lors de la création du fichier journal</translation>
    </message>
    <message>
        <source>Error sending to the Identifier</source>
        <translation>Erreur lors de l&apos;envoi à l&apos;Identifier</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Error writing to the Log File</source>
        <translation>Erreur lors de l&apos;écriture du fichier journal</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>A firmware update is in progress. Close the program once the updater has finished: an interrupted update leaves the Identifier in its boot loader.</source>
        <translation>Une mise à jour du micrologiciel est en cours. Fermez le programme une fois le programme de mise à jour terminé&#xa0;: une mise à jour interrompue laisse l&apos;Identifier dans son chargeur d&apos;amorçage.</translation>
    </message>
    <message>
        <source>Communicating with the Identifier.</source>
        <translation>Communication avec l&apos;Identifier.</translation>
    </message>
    <message>
        <source>Are you sure you wish to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>The Identifier was reset; its configuration from before is backed up in %1.</source>
        <translation>L&apos;Identifier a été réinitialisé&#xa0;; sa configuration précédente est sauvegardée dans %1.</translation>
    </message>
    <message>
        <source>Resetting the Identifier: it restarts, then its values are read again...</source>
        <translation>Réinitialisation de l&apos;Identifier&#xa0;: il redémarre, puis ses valeurs sont relues...</translation>
    </message>
    <message>
        <source>The Identifier has disconnected; looking for it again in a few seconds...</source>
        <translation>L&apos;Identifier s&apos;est déconnecté&#xa0;; nouvelle recherche dans quelques secondes...</translation>
    </message>
    <message>
        <source>Some pages hold changes that have not been sent to the Identifier.</source>
        <translation>Certaines pages contiennent des modifications qui n&apos;ont pas été envoyées à l&apos;Identifier.</translation>
    </message>
    <message>
        <source>Send them now? The program stays open until the Identifier has them; quit again then.</source>
        <translation>Les envoyer maintenant&#xa0;? Le programme reste ouvert jusqu&apos;à ce que l&apos;Identifier les ait reçues&#xa0;; quittez-le ensuite à nouveau.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>MmsiPool</name>
    <message>
        <source>&quot;%1&quot; is not a PostgreSQL URI (postgresql://user@host:port/database)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une URI PostgreSQL (postgresql://utilisateur@hôte:port/base)</translation>
    </message>
    <message>
        <source>the URI holds a password: give it in the password file (~/.pgpass) or with --password-file instead, never on the command line</source>
        <translation>l&apos;URI contient un mot de passe&#xa0;: indiquez-le plutôt dans le fichier de mots de passe (~/.pgpass) ou avec --password-file, jamais sur la ligne de commande</translation>
    </message>
    <message>
        <source>the URI option &quot;%1&quot; holds a semicolon</source>
        <translation>l&apos;option d&apos;URI «&#xa0;%1&#xa0;» contient un point-virgule</translation>
    </message>
    <message>
        <source>MMSI pool %1: %2</source>
        <translation>Pool de MMSI %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Qt SQL&apos;s PostgreSQL driver is not installed (Debian: libqt5sql5-psql)</source>
        <translation>le pilote PostgreSQL de Qt SQL n&apos;est pas installé (Debian&#xa0;: libqt5sql5-psql)</translation>
    </message>
    <message>
        <source>the database has no MMSI pool: &quot;velmora-cli pool init&quot; makes one</source>
        <translation>la base de données n&apos;a pas de pool de MMSI&#xa0;: «&#xa0;velmora-cli pool init&#xa0;» en crée un</translation>
    </message>
    <message>
        <source>the pool&apos;s tables are of an older version: &quot;velmora-cli pool init&quot; upgrades them</source>
        <translation>les tables du pool sont d&apos;une version plus ancienne&#xa0;: «&#xa0;velmora-cli pool init&#xa0;» les met à jour</translation>
    </message>
    <message>
        <source>the pool&apos;s tables are of a newer version than this velmora-cli knows</source>
        <translation>les tables du pool sont d&apos;une version plus récente que celle que connaît ce velmora-cli</translation>
    </message>
    <message>
        <source>%1: the MMSI %2 is already given to serial number %3 in the list; import only unused rows</source>
        <translation>%1&#xa0;: le MMSI %2 est déjà attribué au numéro de série %3 dans la liste&#xa0;; n&apos;importez que des lignes inutilisées</translation>
    </message>
    <message>
        <source>%1: already in the pool, nothing imported: %2</source>
        <translation>%1&#xa0;: déjà dans le pool, rien importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the MMSI %1 is not in the pool</source>
        <translation>le MMSI %1 n&apos;est pas dans le pool</translation>
    </message>
    <message>
        <source>the MMSI %1 is %2, not reserved: only a reserved MMSI is released</source>
        <translation>le MMSI %1 est %2, pas réservé&#xa0;: seul un MMSI réservé est libéré</translation>
    </message>
    <message>
        <source>A device without a serial number cannot be told apart on a later run.</source>
        <translation>Un appareil sans numéro de série ne peut pas être reconnu lors d&apos;une exécution ultérieure.</translation>
    </message>
    <message>
        <source>the device already holds the MMSI %1, which is not in the pool</source>
        <translation>l&apos;appareil contient déjà le MMSI %1, qui n&apos;est pas dans le pool</translation>
    </message>
    <message>
        <source>the device holds the MMSI %1, which the pool gives to the serial number %2</source>
        <translation>l&apos;appareil contient le MMSI %1, que le pool attribue au numéro de série %2</translation>
    </message>
    <message>
        <source>the serial number %1 holds no reserved MMSI</source>
        <translation>le numéro de série %1 n&apos;a aucun MMSI réservé</translation>
    </message>
    <message>
        <source>MMSI %1: serial number %2, station %3, reserved %4</source>
        <translation>MMSI %1&#xa0;: numéro de série %2, poste %3, réservé %4</translation>
    </message>
</context>
<context>
    <name>ModePages</name>
    <message>
        <source>Select the mode</source>
        <translation>Choisir le mode</translation>
    </message>
    <message>
        <source>Basic mode</source>
        <translation>Mode de base</translation>
    </message>
    <message>
        <source>Enter basic mode.</source>
        <translation>Passer en mode de base.</translation>
    </message>
    <message>
        <source>Diagnostic mode</source>
        <translation>Mode diagnostic</translation>
    </message>
    <message>
        <source>Enter diagnostic mode.</source>
        <translation>Passer en mode diagnostic.</translation>
    </message>
    <message>
        <source>Advanced mode</source>
        <translation>Mode avancé</translation>
    </message>
    <message>
        <source>Enter advanced mode (password required).</source>
        <translation>Passer en mode avancé (mot de passe requis).</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Device Actions</source>
        <translation>Actions sur l&apos;appareil</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>GNSS status</source>
        <translation>État GNSS</translation>
    </message>
    <message>
        <source>Voyage data</source>
        <translation>Données de voyage</translation>
    </message>
    <message>
        <source>Serial data</source>
        <translation>Données série</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>edited, not yet sent</source>
        <translation>modifié, pas encore envoyé</translation>
    </message>
    <message>
        <source>not yet read from the device</source>
        <translation>pas encore lu depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>being read or written</source>
        <translation>en cours de lecture ou d&apos;écriture</translation>
    </message>
    <message>
        <source>in step with the device</source>
        <translation>conforme à l&apos;appareil</translation>
    </message>
    <message>
        <source>Broadcasts</source>
        <translation>Émissions</translation>
    </message>
</context>
<context>
    <name>PendingRows</name>
    <message>
        <source>The rows kept in %1 cannot be read: %2</source>
        <translation>Les lignes conservées dans %1 ne peuvent pas être lues&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PoolCommand</name>
    <message>
        <source>The pool&apos;s tables are ready.</source>
        <translation>Les tables du pool sont prêtes.</translation>
    </message>
    <message numerus="yes">
        <source>%n MMSI(s) imported.</source>
        <translation>
            <numerusform>%n MMSI importé.</numerusform>
            <numerusform>%n MMSI importés.</numerusform>
        </translation>
    </message>
    <message>
        <source>free	%1</source>
        <translation>libres	%1</translation>
    </message>
    <message>
        <source>reserved	%1</source>
        <translation>réservés	%1</translation>
    </message>
    <message>
        <source>done	%1</source>
        <translation>terminés	%1</translation>
    </message>
    <message>
        <source>MMSI %1 is free again.</source>
        <translation>Le MMSI %1 est de nouveau libre.</translation>
    </message>
</context>
<context>
    <name>ProductionRun</name>
    <message numerus="yes">
        <source>%n unused MMSI(s) left. Plug in the Identifiers; Ctrl-C stops.</source>
        <translation>
            <numerusform>%n MMSI inutilisé restant. Branchez les Identifier&#xa0;; Ctrl-C arrête.</numerusform>
            <numerusform>%n MMSI inutilisés restants. Branchez les Identifier&#xa0;; Ctrl-C arrête.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not offered by the window, written as it is: %1</source>
        <translation>Non proposé par la fenêtre, écrit tel quel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stopping once the devices under way are finished...</source>
        <translation>Arrêt dès que les appareils en cours sont terminés...</translation>
    </message>
    <message>
        <source>The MMSI list could not be read.</source>
        <translation>La liste des MMSI n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>%1: updating the firmware...</source>
        <translation>%1&#xa0;: mise à jour du micrologiciel...</translation>
    </message>
    <message>
        <source>%1: update ended.</source>
        <translation>%1&#xa0;: mise à jour terminée.</translation>
    </message>
    <message>
        <source>%1: connecting...</source>
        <translation>%1&#xa0;: connexion...</translation>
    </message>
    <message>
        <source>stopped before writing</source>
        <translation>arrêté avant l&apos;écriture</translation>
    </message>
    <message>
        <source>firmware %1 is still older than the image beside the program: the update did not take</source>
        <translation>le micrologiciel %1 est toujours plus ancien que l&apos;image à côté du programme&#xa0;: la mise à jour n&apos;a pas pris</translation>
    </message>
    <message>
        <source>firmware %1 is older than the image beside the program; --update updates it first</source>
        <translation>le micrologiciel %1 est plus ancien que l&apos;image à côté du programme&#xa0;; --update le met d&apos;abord à jour</translation>
    </message>
    <message>
        <source>firmware %1 is older than the image beside the program, which was not sent: %2</source>
        <translation>le micrologiciel %1 est plus ancien que l&apos;image à côté du programme, qui n&apos;a pas été envoyée&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: reading %2...</source>
        <translation>%1&#xa0;: lecture de %2...</translation>
    </message>
    <message>
        <source>the device gave no serial number</source>
        <translation>l&apos;appareil n&apos;a pas donné de numéro de série</translation>
    </message>
    <message>
        <source>%1: writing MMSI %2...</source>
        <translation>%1&#xa0;: écriture du MMSI %2...</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the device holds &quot;%3&quot;</source>
        <translation>%1&#xa0;: envoyé «&#xa0;%2&#xa0;», l&apos;appareil contient «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>Every MMSI is given out.</source>
        <translation>Tous les MMSI sont attribués.</translation>
    </message>
    <message>
        <source>this device was given the MMSI %1, but it holds %2</source>
        <translation>cet appareil a reçu le MMSI %1, mais il contient %2</translation>
    </message>
    <message>
        <source>MMSI %1, serial number %2</source>
        <translation>MMSI %1, numéro de série %2</translation>
    </message>
    <message>
        <source>Reserved and not verified (plug the device in and run again to write it again):</source>
        <translation>Réservé et non vérifié (branchez l&apos;appareil et relancez pour l&apos;écrire à nouveau)&#xa0;:</translation>
    </message>
    <message>
        <source>the device holds MMSI %1, verified, but this could not be recorded: %2</source>
        <translation>l&apos;appareil contient le MMSI %1, vérifié, mais cela n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>MMSI %1 was written and not verified, and this could not be recorded: %2</source>
        <translation>le MMSI %1 a été écrit sans être vérifié, et cela n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Save configuration as profile...</source>
        <translation>Enregistrer la configuration comme profil...</translation>
    </message>
    <message>
        <source>Open profile...</source>
        <translation>Ouvrir un profil...</translation>
    </message>
    <message>
        <source>Compare with device...</source>
        <translation>Comparer avec l&apos;appareil...</translation>
    </message>
    <message>
        <source>Restore last backup...</source>
        <translation>Restaurer la dernière sauvegarde...</translation>
    </message>
    <message>
        <source>The Identifier&apos;s values are no longer at hand (it was disconnected or is being read again); nothing was done. Try again once the pages show it in step.</source>
        <translation>Les valeurs de l&apos;Identifier ne sont plus disponibles (il a été déconnecté ou est en cours de relecture)&#xa0;; rien n&apos;a été fait. Réessayez lorsque les pages l&apos;affichent à nouveau à jour.</translation>
    </message>
    <message>
        <source>Error saving the profile</source>
        <translation>Erreur lors de l&apos;enregistrement du profil</translation>
    </message>
    <message>
        <source>Open profile</source>
        <translation>Ouvrir un profil</translation>
    </message>
    <message>
        <source>This Identifier does not have these settings of the profile; they were skipped and will not be sent:

%1</source>
        <translation>Cet Identifier n&apos;a pas ces réglages du profil&#xa0;; ils ont été ignorés et ne seront pas envoyés&#xa0;:

%1</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>The profile holds MMSI %1; this Identifier has no MMSI yet.</source>
        <translation>Le profil contient le MMSI %1&#xa0;; cet Identifier n&apos;a pas encore de MMSI.</translation>
    </message>
    <message>
        <source>The profile holds MMSI %1; this Identifier has MMSI %2.</source>
        <translation>Le profil contient le MMSI %1&#xa0;; cet Identifier a le MMSI %2.</translation>
    </message>
    <message>
        <source>Which MMSI is this Identifier to carry?</source>
        <translation>Quel MMSI cet Identifier doit-il porter&#xa0;?</translation>
    </message>
    <message>
        <source>Leave without MMSI</source>
        <translation>Laisser sans MMSI</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>Take %1</source>
        <translation>Prendre %1</translation>
    </message>
    <message>
        <source>another Identifier</source>
        <translation>un autre Identifier</translation>
    </message>
    <message>
        <source>the Identifier %1</source>
        <translation>l&apos;Identifier %1</translation>
    </message>
    <message>
        <source>The same MMSI on two devices</source>
        <translation>Le même MMSI sur deux appareils</translation>
    </message>
    <message>
        <source>The profile comes from %1. Taking its MMSI %2 gives two devices the same MMSI, which confuses every station that receives them. Take it only if the other device is no longer in use.

Take MMSI %2? &quot;No&quot; leaves the pages as they were.</source>
        <translation>Le profil provient de %1. Prendre son MMSI %2 donne le même MMSI à deux appareils, ce qui trompe toutes les stations qui les reçoivent. Ne le prenez que si l&apos;autre appareil n&apos;est plus utilisé.

Prendre le MMSI %2&#xa0;? «&#xa0;Non&#xa0;» laisse les pages telles quelles.</translation>
    </message>
    <message>
        <source>No backup before the reset</source>
        <translation>Aucune sauvegarde avant la réinitialisation</translation>
    </message>
    <message>
        <source>The Identifier&apos;s configuration had not been read completely, so no backup was saved. The reset has gone ahead all the same.</source>
        <translation>La configuration de l&apos;Identifier n&apos;avait pas été entièrement lue, aucune sauvegarde n&apos;a donc été enregistrée. La réinitialisation a tout de même eu lieu.</translation>
    </message>
    <message>
        <source>The configuration could not be saved as a backup: %1

The reset has gone ahead all the same.</source>
        <translation>La configuration n&apos;a pas pu être enregistrée comme sauvegarde&#xa0;: %1

La réinitialisation a tout de même eu lieu.</translation>
    </message>
    <message>
        <source>Cannot use the profile</source>
        <translation>Impossible d&apos;utiliser le profil</translation>
    </message>
    <message>
        <source>%1 was not used; nothing was changed.</source>
        <translation>%1 n&apos;a pas été utilisé&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Configuration profiles (*.json)</source>
        <translation>Profils de configuration (*.json)</translation>
    </message>
    <message>
        <source>Save configuration as profile</source>
        <translation>Enregistrer la configuration comme profil</translation>
    </message>
    <message>
        <source>Compare with device</source>
        <translation>Comparer avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Restore last backup</source>
        <translation>Restaurer la dernière sauvegarde</translation>
    </message>
    <message>
        <source>There is no backup of the Identifier with serial number %1 in %2.</source>
        <translation>Il n&apos;existe aucune sauvegarde de l&apos;Identifier de numéro de série %1 dans %2.</translation>
    </message>
    <message>
        <source>These values of the profile are not among those the pages offer; check them on the pages before sending:

%1</source>
        <translation>Ces valeurs du profil ne font pas partie de celles que proposent les pages&#xa0;; vérifiez-les sur les pages avant l&apos;envoi&#xa0;:

%1</translation>
    </message>
    <message>
        <source>Profile saved as %1.</source>
        <translation>Profil enregistré sous %1.</translation>
    </message>
    <message>
        <source>The pages hold %1 now; send them to write it to the Identifier.</source>
        <translation>Les pages contiennent maintenant %1&#xa0;; envoyez-les pour l&apos;écrire dans l&apos;Identifier.</translation>
    </message>
    <message>
        <source>an earlier configuration of this Identifier</source>
        <translation>une configuration antérieure de cet Identifier</translation>
    </message>
</context>
<context>
    <name>ProfileCompareDialog</name>
    <message>
        <source>Compare with device</source>
        <translation>Comparer avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Profile saved %1 by %2 from the Identifier %3 (firmware %4).</source>
        <translation>Profil enregistré le %1 par %2 depuis l&apos;Identifier %3 (micrologiciel %4).</translation>
    </message>
    <message>
        <source>All %1 settings are the same on the device.</source>
        <translation>Les %1 réglages sont identiques sur l&apos;appareil.</translation>
    </message>
    <message>
        <source>%1 of %2 settings differ (marked).</source>
        <translation>%1 réglages sur %2 diffèrent (marqués).</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>The profile and the device differ.</source>
        <translation>Le profil et l&apos;appareil diffèrent.</translation>
    </message>
    <message>
        <source>Error exporting the comparison</source>
        <translation>Erreur lors de l&apos;export de la comparaison</translation>
    </message>
    <message>
        <source>Export comparison</source>
        <translation>Exporter la comparaison</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Settings of the profile and the device</source>
        <translation>Réglages du profil et de l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>ProfileSetting</name>
    <message>
        <source>(not on this device)</source>
        <translation>(absent de cet appareil)</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglage</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Diffère</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Vessel: MMSI</source>
        <translation>Navire&#xa0;: MMSI</translation>
    </message>
    <message>
        <source>Vessel: name</source>
        <translation>Navire&#xa0;: nom</translation>
    </message>
    <message>
        <source>Vessel: call sign</source>
        <translation>Navire&#xa0;: indicatif d&apos;appel</translation>
    </message>
    <message>
        <source>Vessel: type</source>
        <translation>Navire&#xa0;: type</translation>
    </message>
    <message>
        <source>Vessel: dimension A (to bow)</source>
        <translation>Navire&#xa0;: dimension A (vers la proue)</translation>
    </message>
    <message>
        <source>Vessel: dimension B (to stern)</source>
        <translation>Navire&#xa0;: dimension B (vers la poupe)</translation>
    </message>
    <message>
        <source>Vessel: dimension C (to port)</source>
        <translation>Navire&#xa0;: dimension C (vers bâbord)</translation>
    </message>
    <message>
        <source>Vessel: dimension D (to starboard)</source>
        <translation>Navire&#xa0;: dimension D (vers tribord)</translation>
    </message>
    <message>
        <source>AIS messages: position interval</source>
        <translation>Messages AIS&#xa0;: intervalle de position</translation>
    </message>
    <message>
        <source>AIS messages: high-rate reporting</source>
        <translation>Messages AIS&#xa0;: rapports à cadence élevée</translation>
    </message>
    <message>
        <source>AIS messages: high-rate SOG</source>
        <translation>Messages AIS&#xa0;: SOG de cadence élevée</translation>
    </message>
    <message>
        <source>AIS messages: high-rate interval</source>
        <translation>Messages AIS&#xa0;: intervalle de cadence élevée</translation>
    </message>
    <message>
        <source>AIS messages: frequency A</source>
        <translation>Messages AIS&#xa0;: fréquence A</translation>
    </message>
    <message>
        <source>AIS messages: channel B</source>
        <translation>Messages AIS&#xa0;: canal B</translation>
    </message>
    <message>
        <source>AIS messages: frequency B</source>
        <translation>Messages AIS&#xa0;: fréquence B</translation>
    </message>
    <message>
        <source>stop transmission</source>
        <translation>arrêter l&apos;émission</translation>
    </message>
    <message>
        <source>transmit with alert</source>
        <translation>émettre avec alerte</translation>
    </message>
    <message>
        <source>transmit normally</source>
        <translation>émettre normalement</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>always</source>
        <translation>toujours</translation>
    </message>
    <message>
        <source>with vessel power</source>
        <translation>avec l&apos;alimentation du navire</translation>
    </message>
    <message>
        <source>Control: bracket error</source>
        <translation>Contrôle&#xa0;: erreur de support</translation>
    </message>
    <message>
        <source>Control: off-bracket</source>
        <translation>Contrôle&#xa0;: hors support</translation>
    </message>
    <message>
        <source>Control: SOS alert</source>
        <translation>Contrôle&#xa0;: alerte SOS</translation>
    </message>
    <message>
        <source>Control: SOS message</source>
        <translation>Contrôle&#xa0;: message SOS</translation>
    </message>
    <message>
        <source>Control: SOS audible alert</source>
        <translation>Contrôle&#xa0;: alerte SOS sonore</translation>
    </message>
    <message>
        <source>Control: geofence audible alert</source>
        <translation>Contrôle&#xa0;: alerte sonore de géorepérage</translation>
    </message>
    <message>
        <source>Control: inside geofence</source>
        <translation>Contrôle&#xa0;: dans la zone de géorepérage</translation>
    </message>
    <message>
        <source>Control: outside geofence</source>
        <translation>Contrôle&#xa0;: hors de la zone de géorepérage</translation>
    </message>
    <message>
        <source>Control: Halvex</source>
        <translation>Contrôle&#xa0;: Halvex</translation>
    </message>
    <message>
        <source>Control: Halvex active inside boundary</source>
        <translation>Contrôle&#xa0;: Halvex actif dans la limite</translation>
    </message>
    <message>
        <source>Control: operational fence</source>
        <translation>Contrôle&#xa0;: zone opérationnelle</translation>
    </message>
    <message>
        <source>Control: Halvex fence</source>
        <translation>Contrôle&#xa0;: zone Halvex</translation>
    </message>
    <message>
        <source>Control: encryption fence</source>
        <translation>Contrôle&#xa0;: zone de chiffrement</translation>
    </message>
    <message>
        <source>Control: SBAS</source>
        <translation>Contrôle&#xa0;: SBAS</translation>
    </message>
    <message>
        <source>Voyage log: enabled</source>
        <translation>Journal de voyage&#xa0;: activé</translation>
    </message>
    <message>
        <source>Voyage log: period</source>
        <translation>Journal de voyage&#xa0;: période</translation>
    </message>
    <message>
        <source>Voyage log: minimum distance</source>
        <translation>Journal de voyage&#xa0;: distance minimale</translation>
    </message>
    <message>
        <source>Control: power box connection</source>
        <translation>Contrôle&#xa0;: connexion du boîtier d&apos;alimentation</translation>
    </message>
    <message>
        <source>Control: power disconnect alert</source>
        <translation>Contrôle&#xa0;: alerte de coupure d&apos;alimentation</translation>
    </message>
</context>
<context>
    <name>ProgrammingCertificate</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>First generation (type %1)</source>
        <translation>Première génération (type %1)</translation>
    </message>
    <message>
        <source>Later generation (type %1)</source>
        <translation>Génération suivante (type %1)</translation>
    </message>
    <message>
        <source>Not identified</source>
        <translation>Non identifié</translation>
    </message>
    <message>
        <source>Programming certificate</source>
        <translation>Certificat de programmation</translation>
    </message>
    <message>
        <source>Identifier AIS transmitter, programmed with velmora %1</source>
        <translation>Émetteur AIS Identifier, programmé avec velmora %1</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>MMSI %1</source>
        <translation>MMSI %1</translation>
    </message>
    <message>
        <source>Call sign %1</source>
        <translation>Indicatif d&apos;appel %1</translation>
    </message>
    <message>
        <source>Dimensions %1</source>
        <translation>Dimensions %1</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Type d&apos;appareil</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Programmed with</source>
        <translation>Programmé avec</translation>
    </message>
    <message>
        <source>velmora (%1)</source>
        <translation>velmora (%1)</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>Verified: written and read back</source>
        <translation>Vérifié&#xa0;: écrit et relu</translation>
    </message>
    <message>
        <source>Not verified: not confirmed by reading the device back</source>
        <translation>Non vérifié&#xa0;: non confirmé par relecture de l&apos;appareil</translation>
    </message>
    <message>
        <source>Main settings as sent</source>
        <translation>Principaux réglages tels qu&apos;envoyés</translation>
    </message>
    <message>
        <source>The settings sent are not on record.</source>
        <translation>Les réglages envoyés ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>The settings sent could not be read: %1</source>
        <translation>Les réglages envoyés n&apos;ont pas pu être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keep this page with the vessel&apos;s papers.</source>
        <translation>Conservez cette page avec les papiers du navire.</translation>
    </message>
    <message>
        <source>Cannot write %1: the program was started without fonts (no QGuiApplication)</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le programme a été lancé sans polices (pas de QGuiApplication)</translation>
    </message>
    <message>
        <source>Programming certificate, MMSI %1</source>
        <translation>Certificat de programmation, MMSI %1</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF could not be started</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: le PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>%1 (read, not sent)</source>
        <translation>%1 (lu, non envoyé)</translation>
    </message>
</context>
<context>
    <name>ProgrammingHistory</name>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed.</source>
        <translation>Le pilote SQLite de Qt (QSQLITE) n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The programming history cannot be opened</source>
        <translation>L&apos;historique de programmation ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The programming history is damaged and cannot be set aside</source>
        <translation>L&apos;historique de programmation est endommagé et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>renaming it to %1 failed</source>
        <translation>le renommage en %1 a échoué</translation>
    </message>
    <message>
        <source>The programming history could not be updated</source>
        <translation>L&apos;historique de programmation n&apos;a pas pu être mis à jour</translation>
    </message>
    <message>
        <source>The programming history cannot be read</source>
        <translation>L&apos;historique de programmation ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is not open</source>
        <translation>il n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>The configuration log could not be taken into the programming history</source>
        <translation>Le journal de configuration n&apos;a pas pu être repris dans l&apos;historique de programmation</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Nom du navire</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Indicatif d&apos;appel</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Génération</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Rows kept aside could not be taken into the programming history</source>
        <translation>Les lignes mises de côté n&apos;ont pas pu être reprises dans l&apos;historique de programmation</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>window</source>
        <translation>fenêtre</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>ligne de commande</translation>
    </message>
    <message>
        <source>configuration log</source>
        <translation>journal de configuration</translation>
    </message>
</context>
<context>
    <name>ProgrammingHistoryDialog</name>
    <message>
        <source>Programming history</source>
        <translation>Historique de programmation</translation>
    </message>
    <message>
        <source>The history was damaged: it was set aside as %1 and a new one begun.</source>
        <translation>L&apos;historique était endommagé&#xa0;: il a été mis de côté sous %1 et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>Search by MMSI, serial number or vessel name</source>
        <translation>Rechercher par MMSI, numéro de série ou nom du navire</translation>
    </message>
    <message>
        <source>Export shown rows...</source>
        <translation>Exporter les lignes affichées...</translation>
    </message>
    <message>
        <source>1 programming shown.</source>
        <translation>1 programmation affichée.</translation>
    </message>
    <message>
        <source>Error exporting the programming history</source>
        <translation>Erreur lors de l&apos;export de l&apos;historique de programmation</translation>
    </message>
    <message>
        <source>Export programming history</source>
        <translation>Exporter l&apos;historique de programmation</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Search the history</source>
        <translation>Rechercher dans l&apos;historique</translation>
    </message>
    <message>
        <source>Programmings</source>
        <translation>Programmations</translation>
    </message>
    <message numerus="yes">
        <source>%n programmings shown, newest first.</source>
        <translation>
            <numerusform>%n programmation affichée, la plus récente en premier.</numerusform>
            <numerusform>%n programmations affichées, la plus récente en premier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgrammingOutcome</name>
    <message>
        <source>Programming history</source>
        <translation>Historique de programmation</translation>
    </message>
    <message>
        <source>%1: sent &quot;%2&quot;, the Identifier holds &quot;%3&quot;</source>
        <translation>%1&#xa0;: envoyé «&#xa0;%2&#xa0;», l&apos;Identifier contient «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>Programming not verified</source>
        <translation>Programmation non vérifiée</translation>
    </message>
    <message>
        <source>The Identifier does not hold every setting that was sent:

%1

Send the settings again?</source>
        <translation>L&apos;Identifier ne contient pas tous les réglages envoyés&#xa0;:

%1

Envoyer de nouveau les réglages&#xa0;?</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Envoyer de nouveau</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the programming history could not be kept.

%1</source>
        <translation>
            <numerusform>%n ligne de l&apos;historique de programmation n&apos;a pas pu être conservée.

%1</numerusform>
            <numerusform>%n lignes de l&apos;historique de programmation n&apos;ont pas pu être conservées.

%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The programming history could not be updated now. The row is kept and written once it can be.

%1</source>
        <translation>L&apos;historique de programmation n&apos;a pas pu être mis à jour pour l&apos;instant. La ligne est conservée et sera écrite dès que possible.

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
        <translation>L&apos;historique de programmation a repris les lignes en attente.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the programming history could not be kept: %1</source>
        <translation>
            <numerusform>%n ligne de l&apos;historique de programmation n&apos;a pas pu être conservée&#xa0;: %1</numerusform>
            <numerusform>%n lignes de l&apos;historique de programmation n&apos;ont pas pu être conservées&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the programming history could not be written; they are kept in %1 and taken in when the history is next opened.</source>
        <translation>
            <numerusform>%n ligne de l&apos;historique de programmation n&apos;a pas pu être écrite&#xa0;; elle est conservée dans %1 et reprise à la prochaine ouverture de l&apos;historique.</numerusform>
            <numerusform>%n lignes de l&apos;historique de programmation n&apos;ont pas pu être écrites&#xa0;; elles sont conservées dans %1 et reprises à la prochaine ouverture de l&apos;historique.</numerusform>
        </translation>
    </message>
    <message>
        <source>Certificates cannot be written into %1: %2</source>
        <translation>Impossible d&apos;écrire des certificats dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1; the row is kept and written once it can be.</source>
        <translation>%1&#xa0;; la ligne est conservée et sera écrite dès que possible.</translation>
    </message>
    <message>
        <source>The pool&apos;s programming history could not be updated: %1</source>
        <translation>L&apos;historique de programmation du pool n&apos;a pas pu être mis à jour&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RecoveryFamilyDialog</name>
    <message>
        <source>Recover the Identifier</source>
        <translation>Récupérer l&apos;Identifier</translation>
    </message>
    <message>
        <source>The boot loader cannot tell which Identifier it belongs to. Choose the Identifier&apos;s family:</source>
        <translation>Le chargeur d&apos;amorçage ne peut pas indiquer à quel Identifier il appartient. Choisissez la famille de l&apos;Identifier&#xa0;:</translation>
    </message>
    <message>
        <source>First generation (050200)</source>
        <translation>Première génération (050200)</translation>
    </message>
    <message>
        <source>Later generation (160200)</source>
        <translation>Génération ultérieure (160200)</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Choose a family to see the firmware that will be sent.</source>
        <translation>Choisissez une famille pour voir le micrologiciel qui sera envoyé.</translation>
    </message>
    <message>
        <source>There is no firmware image of this family in %1.</source>
        <translation>Il n&apos;y a aucune image de micrologiciel de cette famille dans %1.</translation>
    </message>
    <message>
        <source>The firmware %1 will be sent (%2).</source>
        <translation>Le micrologiciel %1 sera envoyé (%2).</translation>
    </message>
</context>
<context>
    <name>RecoveryPrompt</name>
    <message>
        <source>An Identifier is waiting in its boot loader for firmware</source>
        <translation>Un Identifier attend un micrologiciel dans son chargeur d&apos;amorçage</translation>
    </message>
    <message>
        <source>An update was cut short: it runs no application until it has been sent firmware. Recover it now?</source>
        <translation>Une mise à jour a été interrompue&#xa0;: l&apos;Identifier n&apos;exécute aucune application tant qu&apos;aucun micrologiciel ne lui a été envoyé. Le récupérer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Recover...</source>
        <translation>Récupérer...</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Sending the firmware to the boot loader...</source>
        <translation>Envoi du micrologiciel au chargeur d&apos;amorçage...</translation>
    </message>
    <message>
        <source>Waiting for the Identifier to start its new firmware...</source>
        <translation>Attente du démarrage du nouveau micrologiciel de l&apos;Identifier...</translation>
    </message>
</context>
<context>
    <name>SerialController</name>
    <message>
        <source>AIS Virtual COM Port</source>
        <translation>Port COM virtuel AIS</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>the port has gone; was the cable pulled?</source>
        <translation>le port a disparu&#xa0;; le câble a-t-il été débranché&#xa0;?</translation>
    </message>
    <message>
        <source># velmora Started log file at </source>
        <translation># velmora&#xa0;: fichier journal commencé le </translation>
    </message>
    <message>
        <source># velmora Stopped log file at </source>
        <translation># velmora&#xa0;: fichier journal arrêté le </translation>
    </message>
</context>
<context>
    <name>SerialTab</name>
    <message>
        <source>Serial Data</source>
        <translation>Données série</translation>
    </message>
    <message>
        <source>Time stamps</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Start each line with the time it arrived or was sent, in the view and in the log file</source>
        <translation>Commencer chaque ligne par l&apos;heure de sa réception ou de son envoi, dans la vue et dans le fichier journal</translation>
    </message>
    <message>
        <source>Hex view</source>
        <translation>Vue hexadécimale</translation>
    </message>
    <message>
        <source>Show the bytes of each line in hexadecimal beside its text</source>
        <translation>Afficher les octets de chaque ligne en hexadécimal à côté de son texte</translation>
    </message>
    <message>
        <source>Raw mode line end:</source>
        <translation>Fin de ligne en mode brut&#xa0;:</translation>
    </message>
    <message>
        <source>The line end added to the lines sent after &quot;+++&quot;</source>
        <translation>La fin de ligne ajoutée aux lignes envoyées après «&#xa0;+++&#xa0;»</translation>
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
        <translation>Enregistrer la vue...</translation>
    </message>
    <message>
        <source>Save the text of the view to a file</source>
        <translation>Enregistrer le texte de la vue dans un fichier</translation>
    </message>
    <message>
        <source>The data sent to and received from the AIS</source>
        <translation>Les données envoyées à l&apos;AIS et reçues de lui</translation>
    </message>
    <message>
        <source>QTextEdit{background: #F2F2F2;}</source>
        <translation>QTextEdit{background: #F2F2F2;}</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Text to find in the view (Return: next, Shift+Return: previous, Esc: close)</source>
        <translation>Texte à rechercher dans la vue (Entrée&#xa0;: suivant, Maj+Entrée&#xa0;: précédent, Échap&#xa0;: fermer)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Enter commands:</source>
        <translation>Saisir des commandes&#xa0;:</translation>
    </message>
    <message>
        <source>Enter a NMEA Sentence Command</source>
        <translation>Saisir une phrase NMEA comme commande</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send the command to the AIS  (will automatically add the NMEA Checksum if required)</source>
        <translation>Envoyer la commande à l&apos;AIS (la somme de contrôle NMEA est ajoutée automatiquement si nécessaire)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Freezes the data display</source>
        <translation>Fige l&apos;affichage des données</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Journaliser dans un fichier</translation>
    </message>
    <message>
        <source>Save the data to a Log File</source>
        <translation>Enregistrer les données dans un fichier journal</translation>
    </message>
    <message>
        <source>color: rgb(255, 0, 0);</source>
        <translation>color: rgb(255, 0, 0);</translation>
    </message>
    <message>
        <source>Stop Log</source>
        <translation>Arrêter le journal</translation>
    </message>
    <message>
        <source>Log To File</source>
        <translation>Journaliser dans un fichier</translation>
    </message>
    <message>
        <source>The NMEA Sentence is invalid. It has not been sent.</source>
        <translation>La phrase NMEA n&apos;est pas valide. Elle n&apos;a pas été envoyée.</translation>
    </message>
    <message>
        <source>Save view</source>
        <translation>Enregistrer la vue</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Console</source>
        <translation>Console</translation>
    </message>
</context>
<context>
    <name>SerialTransport</name>
    <message>
        <source>A connection is already open.</source>
        <translation>Une connexion est déjà ouverte.</translation>
    </message>
    <message>
        <source>An error was encountered in trying to open the serial port.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;ouverture du port série.</translation>
    </message>
    <message>
        <source>A connection is already open</source>
        <translation>Une connexion est déjà ouverte</translation>
    </message>
    <message>
        <source>Error connecting a file. </source>
        <translation>Erreur lors de la connexion d&apos;un fichier. </translation>
    </message>
    <message>
        <source>Reading Log File </source>
        <translation>Lecture du fichier journal </translation>
    </message>
    <message>
        <source>Connected to Serial Port: </source>
        <translation>Connecté au port série&#xa0;: </translation>
    </message>
    <message>
        <source>Error writing to the serial port: </source>
        <translation>Erreur d&apos;écriture sur le port série&#xa0;: </translation>
    </message>
</context>
<context>
    <name>SetPasswordDialog</name>
    <message>
        <source>Set advanced password</source>
        <translation>Définir le mot de passe avancé</translation>
    </message>
    <message>
        <source>Enter current password:</source>
        <translation>Saisir le mot de passe actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Enter new password:</source>
        <translation>Saisir le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Re-enter new password:</source>
        <translation>Confirmer le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The new password is in use, but it could not be saved to the settings. It will be saved again when the program ends.</source>
        <translation>Le nouveau mot de passe est en service, mais il n&apos;a pas pu être enregistré dans les réglages. Il sera enregistré de nouveau à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>SettingRules</name>
    <message>
        <source>must be exactly %1 digits</source>
        <translation>doit compter exactement %1 chiffres</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus long que %1 caractères</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; is not allowed (only upper-case letters, digits, space and the punctuation of AIS text)</source>
        <translation>le caractère «&#xa0;%1&#xa0;» n&apos;est pas autorisé (seulement majuscules, chiffres, espace et la ponctuation du texte AIS)</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 est hors de l&apos;intervalle %2 à %3</translation>
    </message>
    <message>
        <source>%1 is not one of the offered vessel types</source>
        <translation>%1 n&apos;est pas un des types de navire proposés</translation>
    </message>
    <message>
        <source>%1 s is not one of %2 s</source>
        <translation>%1 s n&apos;est pas une des valeurs %2 s</translation>
    </message>
    <message>
        <source>%1 s is not shorter than the position interval of %2 s</source>
        <translation>%1 s n&apos;est pas plus court que l&apos;intervalle de position de %2 s</translation>
    </message>
    <message>
        <source>%1 s is not a multiple of the position interval of %2 s</source>
        <translation>%1 s n&apos;est pas un multiple de l&apos;intervalle de position de %2 s</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; cannot be sent to the device</source>
        <translation>le caractère «&#xa0;%1&#xa0;» ne peut pas être envoyé à l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>StateMachine</name>
    <message>
        <source>The configuration was written, but the configuration log could not be updated.</source>
        <translation>La configuration a été écrite, mais le journal de configuration n&apos;a pas pu être mis à jour.</translation>
    </message>
    <message>
        <source>Error connecting to the Identifier.

Application is attempting to reconnect.</source>
        <translation>Erreur de connexion à l&apos;Identifier.

L&apos;application tente de se reconnecter.</translation>
    </message>
    <message>
        <source>Error sending a command to the Identifier.

Application is attempting to reconnect.</source>
        <translation>Erreur lors de l&apos;envoi d&apos;une commande à l&apos;Identifier.

L&apos;application tente de se reconnecter.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>Communication Timeout.
Please check the connections to the Identifier.

Application is attempting to reconnect.</source>
        <translation>Délai de communication dépassé.
Veuillez vérifier les connexions à l&apos;Identifier.

L&apos;application tente de se reconnecter.</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>L&apos;Identifier attend dans son chargeur d&apos;amorçage&#xa0;; reconnectez-le pour le récupérer.</translation>
    </message>
    <message>
        <source>The firmware was not updated.</source>
        <translation>Le micrologiciel n&apos;a pas été mis à jour.</translation>
    </message>
    <message>
        <source>%1 The Identifier keeps firmware %2.</source>
        <translation>%1 L&apos;Identifier garde le micrologiciel %2.</translation>
    </message>
    <message>
        <source>The firmware could not be updated.</source>
        <translation>Le micrologiciel n&apos;a pas pu être mis à jour.</translation>
    </message>
    <message>
        <source>The Identifier keeps firmware %1; the newest image is %2. Connect the Identifier again to try once more.</source>
        <translation>L&apos;Identifier garde le micrologiciel %1&#xa0;; l&apos;image la plus récente est %2. Reconnectez l&apos;Identifier pour réessayer.</translation>
    </message>
    <message>
        <source>The connection ended before the settings were read back.</source>
        <translation>La connexion s&apos;est terminée avant la relecture des réglages.</translation>
    </message>
    <message>
        <source>The Identifier may be left without its MMSI: it was erased for the new one, and the write stopped before the new MMSI was sent. Connect the Identifier again, check its MMSI and write it once more.</source>
        <translation>L&apos;Identifier est peut-être resté sans MMSI&#xa0;: il a été effacé pour le nouveau, et l&apos;écriture s&apos;est arrêtée avant l&apos;envoi du nouveau MMSI. Reconnectez l&apos;Identifier, vérifiez son MMSI et écrivez-le une nouvelle fois.</translation>
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
        <translation>Délai de sécurité dépassé&#xa0;: </translation>
    </message>
    <message>
        <source>Negative acknowlegement for command: </source>
        <translation>Acquittement négatif pour la commande&#xa0;: </translation>
    </message>
    <message>
        <source>Timeout waiting for response to command: </source>
        <translation>Délai dépassé en attendant la réponse à la commande&#xa0;: </translation>
    </message>
    <message>
        <source>Timeout waiting for response for: </source>
        <translation>Délai dépassé en attendant la réponse pour&#xa0;: </translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>The name of the image %1 tells no family and version (such as 050200_03_00_00.img).</source>
        <translation>Le nom de l&apos;image %1 n&apos;indique ni famille ni version (comme 050200_03_00_00.img).</translation>
    </message>
    <message>
        <source>The image %1 is made for the family %2; the Identifier&apos;s firmware %3 is not of that family.</source>
        <translation>L&apos;image %1 est faite pour la famille %2&#xa0;; le micrologiciel %3 de l&apos;Identifier n&apos;est pas de cette famille.</translation>
    </message>
    <message>
        <source>The image %1 (version %2) is not newer than the Identifier&apos;s firmware %3.</source>
        <translation>L&apos;image %1 (version %2) n&apos;est pas plus récente que le micrologiciel %3 de l&apos;Identifier.</translation>
    </message>
    <message>
        <source>The image %1 cannot be read: %2</source>
        <translation>L&apos;image %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The image %1 is empty.</source>
        <translation>L&apos;image %1 est vide.</translation>
    </message>
</context>
<context>
    <name>UpdateCommand</name>
    <message>
        <source>There is no such port.</source>
        <translation>Ce port n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cancelled before the update.</source>
        <translation>Annulé avant la mise à jour.</translation>
    </message>
    <message>
        <source>No Identifier found. Check the USB cable, or name the port with --port.</source>
        <translation>Aucun Identifier trouvé. Vérifiez le câble USB ou indiquez le port avec --port.</translation>
    </message>
    <message>
        <source>%1: connecting...</source>
        <translation>%1&#xa0;: connexion...</translation>
    </message>
    <message>
        <source>The image was sent, but the Identifier does not answer: %1</source>
        <translation>L&apos;image a été envoyée, mais l&apos;Identifier ne répond pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: no answer; listening for a boot loader...</source>
        <translation>%1&#xa0;: pas de réponse&#xa0;; écoute d&apos;un chargeur d&apos;amorçage...</translation>
    </message>
    <message>
        <source>An Identifier is waiting in its boot loader for firmware; not updated. Name the image of its family with --image to recover it.</source>
        <translation>Un Identifier attend un micrologiciel dans son chargeur d&apos;amorçage&#xa0;; non mis à jour. Indiquez l&apos;image de sa famille avec --image pour le récupérer.</translation>
    </message>
    <message>
        <source>The Identifier was left running.</source>
        <translation>L&apos;Identifier continue de fonctionner.</translation>
    </message>
    <message>
        <source>%1: updating with %2...</source>
        <translation>%1&#xa0;: mise à jour avec %2...</translation>
    </message>
    <message>
        <source>%1: %2 % sent</source>
        <translation>%1&#xa0;: %2&#xa0;% envoyés</translation>
    </message>
    <message>
        <source>The Identifier is waiting in its boot loader; connect it again to recover it.</source>
        <translation>L&apos;Identifier attend dans son chargeur d&apos;amorçage&#xa0;; reconnectez-le pour le récupérer.</translation>
    </message>
    <message>
        <source>The boot loader did not answer the reset; the firmware was not updated.</source>
        <translation>Le chargeur d&apos;amorçage n&apos;a pas répondu à la réinitialisation&#xa0;; le micrologiciel n&apos;a pas été mis à jour.</translation>
    </message>
    <message>
        <source>The boot loader did not take the image; the firmware was not updated.</source>
        <translation>Le chargeur d&apos;amorçage n&apos;a pas accepté l&apos;image&#xa0;; le micrologiciel n&apos;a pas été mis à jour.</translation>
    </message>
    <message>
        <source>The port could not be used for the update.</source>
        <translation>Le port n&apos;a pas pu être utilisé pour la mise à jour.</translation>
    </message>
    <message>
        <source>The image could not be read whole during the update.</source>
        <translation>L&apos;image n&apos;a pas pu être lue entièrement pendant la mise à jour.</translation>
    </message>
    <message>
        <source>Data transfer timeout.</source>
        <translation>Délai de transfert des données dépassé.</translation>
    </message>
    <message>
        <source>The image %1 was sent, but the Identifier reports the firmware %2.</source>
        <translation>L&apos;image %1 a été envoyée, mais l&apos;Identifier indique le micrologiciel %2.</translation>
    </message>
    <message>
        <source>Recovered from its boot loader; the firmware is now %1.</source>
        <translation>Récupéré de son chargeur d&apos;amorçage&#xa0;; le micrologiciel est maintenant %1.</translation>
    </message>
    <message>
        <source>Updated from %1 to %2.</source>
        <translation>Mis à jour de %1 à %2.</translation>
    </message>
    <message>
        <source>No image of the family %1 in %2.</source>
        <translation>Aucune image de la famille %1 dans %2.</translation>
    </message>
</context>
<context>
    <name>UpdateWizard</name>
    <message>
        <source>AIS Identifier Updater</source>
        <translation>Mise à jour de l&apos;Identifier AIS</translation>
    </message>
    <message>
        <source>Copy Log to Clipboard</source>
        <translation>Copier le journal</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Update messages</source>
        <translation>Messages de la mise à jour</translation>
    </message>
    <message>
        <source>Update progress</source>
        <translation>Progression de la mise à jour</translation>
    </message>
</context>
<context>
    <name>VelmoraApplication</name>
    <message>
        <source>The settings could not be saved.

Check the access permissions of the settings store.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.

Vérifiez les droits d&apos;accès au stockage des réglages.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
</context>
<context>
    <name>VesselData</name>
    <message>
        <source>30 = Vessel - Fishing</source>
        <translation>30 = Navire - Pêche</translation>
    </message>
    <message>
        <source>31 = Vessel - Towing</source>
        <translation>31 = Navire - Remorquage</translation>
    </message>
    <message>
        <source>32 = Vessel - Towing and length of the tow exceeds 200 m or breadth exceeds 25 m</source>
        <translation>32 = Navire - Remorquage, longueur du remorqué supérieure à 200 m ou largeur supérieure à 25 m</translation>
    </message>
    <message>
        <source>33 = Vessel - Engaged in dredging or underwater operations</source>
        <translation>33 = Navire - Dragage ou travaux sous-marins</translation>
    </message>
    <message>
        <source>34 = Vessel - Engaged in diving operations</source>
        <translation>34 = Navire - Opérations de plongée</translation>
    </message>
    <message>
        <source>35 = Vessel - Engaged in military operations</source>
        <translation>35 = Navire - Opérations militaires</translation>
    </message>
    <message>
        <source>36 = Vessel - Sailing</source>
        <translation>36 = Navire - Voile</translation>
    </message>
    <message>
        <source>37 = Vessel - Pleasure craft</source>
        <translation>37 = Navire - Plaisance</translation>
    </message>
    <message>
        <source>38 = Vessel - Reserved for future use</source>
        <translation>38 = Navire - Réservé pour usage futur</translation>
    </message>
    <message>
        <source>39 = Vessel - Reserved for future use</source>
        <translation>39 = Navire - Réservé pour usage futur</translation>
    </message>
    <message>
        <source>50 = Pilot vessel</source>
        <translation>50 = Bateau pilote</translation>
    </message>
    <message>
        <source>51 = Search and rescue vessels</source>
        <translation>51 = Navires de recherche et de sauvetage</translation>
    </message>
    <message>
        <source>52 = Tugs</source>
        <translation>52 = Remorqueurs</translation>
    </message>
    <message>
        <source>53 = Port tenders</source>
        <translation>53 = Navires de servitude portuaire</translation>
    </message>
    <message>
        <source>54 = Vessels with anti-pollution facilities or equipment</source>
        <translation>54 = Navires équipés de moyens antipollution</translation>
    </message>
    <message>
        <source>55 = Law enforcement vessels</source>
        <translation>55 = Navires des forces de l&apos;ordre</translation>
    </message>
    <message>
        <source>56 = Spare - for assignments to local vessels</source>
        <translation>56 = Libre - pour attribution aux navires locaux</translation>
    </message>
    <message>
        <source>57 = Spare - for assignments to local vessels</source>
        <translation>57 = Libre - pour attribution aux navires locaux</translation>
    </message>
    <message>
        <source>58 = Medical transports (as defined in the 1949 Geneva Conventions and Additional Protocols)</source>
        <translation>58 = Transports sanitaires (au sens des Conventions de Genève de 1949 et des Protocoles additionnels)</translation>
    </message>
    <message>
        <source>59 = Ships according to RR Resolution No. 18 (Mob-83)</source>
        <translation>59 = Navires selon la résolution RR n° 18 (Mob-83)</translation>
    </message>
    <message>
        <source>60 = Passenger ship</source>
        <translation>60 = Navire à passagers</translation>
    </message>
    <message>
        <source>70 = Cargo ship</source>
        <translation>70 = Cargo</translation>
    </message>
    <message>
        <source>80 = Tanker</source>
        <translation>80 = Navire-citerne</translation>
    </message>
    <message>
        <source>&lt;Not specified&gt;</source>
        <translation>&lt;Non précisé&gt;</translation>
    </message>
</context>
<context>
    <name>VesselDetailsBox</name>
    <message>
        <source>Vessel details</source>
        <translation>Détails du navire</translation>
    </message>
    <message>
        <source>MMSI number:</source>
        <translation>Numéro MMSI&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s MMSI, 9 digits in length</source>
        <translation>Saisir le MMSI du navire, 9 chiffres</translation>
    </message>
    <message>
        <source>MMSI Info...</source>
        <translation>Infos MMSI...</translation>
    </message>
    <message>
        <source>Information about the MMSI</source>
        <translation>Informations sur le MMSI</translation>
    </message>
    <message>
        <source>Vessel name:</source>
        <translation>Nom du navire&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s Name up to 20 characters in length</source>
        <translation>Saisir le nom du navire, 20 caractères au plus</translation>
    </message>
    <message>
        <source>Call sign:</source>
        <translation>Indicatif d&apos;appel&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s Call Sign up to 7 characters in length</source>
        <translation>Saisir l&apos;indicatif d&apos;appel du navire, 7 caractères au plus</translation>
    </message>
    <message>
        <source>Vessel type:</source>
        <translation>Type de navire&#xa0;:</translation>
    </message>
    <message>
        <source>Select the Ship&apos;s Vessel Type</source>
        <translation>Choisir le type du navire</translation>
    </message>
</context>
<context>
    <name>VesselDimensionsBox</name>
    <message>
        <source>Vessel&apos;s dimensions and Identifier location</source>
        <translation>Dimensions du navire et emplacement de l&apos;Identifier</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>A&#xa0;:</translation>
    </message>
    <message>
        <source>Enter the Ship&apos;s Dimension in metres</source>
        <translation>Saisir la dimension du navire en mètres</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B&#xa0;:</translation>
    </message>
    <message>
        <source>C:</source>
        <translation>C&#xa0;:</translation>
    </message>
    <message>
        <source>D:</source>
        <translation>D&#xa0;:</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Distance between the Identifier and this side of the vessel, in the unit chosen below</source>
        <translation>Distance entre l&apos;Identifier et ce côté du navire, dans l&apos;unité choisie ci-dessous</translation>
    </message>
    <message>
        <source>Dimension A, bow</source>
        <translation>Dimension A, proue</translation>
    </message>
    <message>
        <source>Dimension B, stern</source>
        <translation>Dimension B, poupe</translation>
    </message>
    <message>
        <source>Dimension C, port side</source>
        <translation>Dimension C, bâbord</translation>
    </message>
    <message>
        <source>Dimension D, starboard side</source>
        <translation>Dimension D, tribord</translation>
    </message>
</context>
<context>
    <name>VesselIdentityDialog</name>
    <message>
        <source>This vessel&apos;s identity</source>
        <translation>Identité de ce navire</translation>
    </message>
    <message>
        <source>The profile comes from %1: MMSI %2, name &quot;%3&quot;, call sign &quot;%4&quot;. This Identifier takes its other settings; enter this vessel&apos;s own MMSI, name and call sign.</source>
        <translation>Le profil provient de %1&#xa0;: MMSI %2, nom «&#xa0;%3&#xa0;», indicatif d&apos;appel «&#xa0;%4&#xa0;». Cet Identifier reprend ses autres réglages&#xa0;; saisissez le MMSI, le nom et l&apos;indicatif d&apos;appel propres à ce navire.</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI&#xa0;:</translation>
    </message>
    <message>
        <source>Vessel name:</source>
        <translation>Nom du navire&#xa0;:</translation>
    </message>
    <message>
        <source>Call sign:</source>
        <translation>Indicatif d&apos;appel&#xa0;:</translation>
    </message>
    <message>
        <source>This Identifier&apos;s: %1</source>
        <translation>Cet Identifier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The profile&apos;s: %1</source>
        <translation>Le profil&#xa0;: %1</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Dimensions&#xa0;:</translation>
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
        <translation>Identité du service mobile maritime (MMSI)</translation>
    </message>
    <message>
        <source>MMSI - A unique nine digit number that identifies a particular ship or shore station.

</source>
        <translation>MMSI - un numéro unique à neuf chiffres qui identifie un navire ou une station côtière donnée.

</translation>
    </message>
    <message>
        <source>The MMSI can be programmed only once. Please contact your dealer if you are unsure of your MMSI number.</source>
        <translation>Le MMSI ne peut être programmé qu&apos;une seule fois. Contactez votre revendeur si vous n&apos;êtes pas sûr de votre numéro MMSI.</translation>
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
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
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
        <translation>Tension bat.</translation>
    </message>
    <message>
        <source>Off bracket</source>
        <translation>Hors support</translation>
    </message>
    <message>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <source>Geofence</source>
        <translation>Géorepérage</translation>
    </message>
    <message>
        <source>Power fail</source>
        <translation>Coupure d&apos;alimentation</translation>
    </message>
    <message>
        <source>ID error</source>
        <translation>Erreur d&apos;ID</translation>
    </message>
    <message>
        <source>SOG: %1&lt;br/&gt;</source>
        <translation>SOG&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>SOG: --&lt;br/&gt;</source>
        <translation>SOG&#xa0;: --&lt;br/&gt;</translation>
    </message>
    <message>
        <source>COG: %1&lt;br/&gt;</source>
        <translation>COG&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>COG: --&lt;br/&gt;</source>
        <translation>COG&#xa0;: --&lt;br/&gt;</translation>
    </message>
    <message>
        <source>VBatt: %1&lt;br/&gt;</source>
        <translation>Tension batterie&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Off Bracket: %1&lt;br/&gt;</source>
        <translation>Hors support&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>SOS Alert: %1&lt;br/&gt;</source>
        <translation>Alerte SOS&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>GeoFence Alert: %1&lt;br/&gt;</source>
        <translation>Alerte de géorepérage&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Power Fail Alert: %1&lt;br/&gt;</source>
        <translation>Alerte de coupure d&apos;alimentation&#xa0;: %1&lt;br/&gt;</translation>
    </message>
    <message>
        <source>ID Error Alert: %1</source>
        <translation>Alerte d&apos;erreur d&apos;ID&#xa0;: %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>VoyageLogTab</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Latitude, longitude, SOG and COG are stored at the defined interval if the vessel has moved the minimum distance.
Diagnostic information is stored when it changes.</source>
        <translation>La latitude, la longitude, le SOG et le COG sont enregistrés à l&apos;intervalle défini si le navire a parcouru la distance minimale.
Les informations de diagnostic sont enregistrées lorsqu&apos;elles changent.</translation>
    </message>
    <message>
        <source>Log configuration</source>
        <translation>Configuration du journal</translation>
    </message>
    <message>
        <source>Enable voyage log</source>
        <translation>Activer le journal de voyage</translation>
    </message>
    <message>
        <source>Log period:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>Set the interval between log entries.</source>
        <translation>Régler l&apos;intervalle entre les entrées du journal.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Minimum distance:</source>
        <translation>Distance minimale&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Entrer the distance the vessel must move in the logging period to cause a log entry to be generated.  This prevents vessels generating logs when stationary.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Saisir la distance que le navire doit parcourir pendant la période pour qu&apos;une entrée soit créée dans le journal. Cela évite des entrées pour les navires à l&apos;arrêt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>Send Log
Configuration</source>
        <translation>Envoyer la
configuration</translation>
    </message>
    <message>
        <source>Get Log</source>
        <translation>Récupérer le journal</translation>
    </message>
    <message>
        <source>Export log...</source>
        <translation>Exporter le journal...</translation>
    </message>
    <message>
        <source>Clear log...</source>
        <translation>Effacer le journal...</translation>
    </message>
    <message>
        <source>Fetching the voyage log</source>
        <translation>Récupération du journal de voyage</translation>
    </message>
    <message>
        <source>Created </source>
        <translation>Créé </translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 enregistrement</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 enregistrements</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%1 enregistrements sur %2</translation>
    </message>
    <message>
        <source>Export voyage log...</source>
        <translation>Exporter le journal de voyage...</translation>
    </message>
    <message>
        <source>Comma Separated Values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Keyhole Markup Language (*.kml)</source>
        <translation>Keyhole Markup Language (*.kml)</translation>
    </message>
    <message>
        <source>Clear Voyage Data Log</source>
        <translation>Effacer le journal de voyage</translation>
    </message>
    <message>
        <source>This action will delete the Voyage Data Log from the connected Identifier.
Any required data should be exported.</source>
        <translation>Cette action efface le journal de voyage de l&apos;Identifier connecté.
Les données nécessaires doivent être exportées.</translation>
    </message>
    <message>
        <source>Export and clear log</source>
        <translation>Exporter et effacer</translation>
    </message>
    <message>
        <source>Clear log only</source>
        <translation>Effacer seulement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Time between log entries, in seconds</source>
        <translation>Temps entre les entrées du journal, en secondes</translation>
    </message>
    <message>
        <source>Distance the vessel must move in a log period before an entry is logged, in metres</source>
        <translation>Distance que le navire doit parcourir pendant une période avant qu&apos;une entrée soit enregistrée, en mètres</translation>
    </message>
    <message>
        <source>Voyage log</source>
        <translation>Journal de voyage</translation>
    </message>
    <message>
        <source>There are no voyage records to export.</source>
        <translation>Il n&apos;y a aucun enregistrement de voyage à exporter.</translation>
    </message>
    <message>
        <source>The voyage log did not arrive whole. It was not exported, and the Identifier keeps it; try again.</source>
        <translation>Le journal de voyage n&apos;est pas arrivé en entier. Il n&apos;a pas été exporté et l&apos;Identifier le conserve&#xa0;; réessayez.</translation>
    </message>
    <message>
        <source>%1 of %2 records arrived.</source>
        <translation>%1 enregistrements sur %2 sont arrivés.</translation>
    </message>
</context>
<context>
    <name>cChapPasswordEntry</name>
    <message>
        <source>Enter Access Password</source>
        <translation>Saisir le mot de passe d&apos;accès</translation>
    </message>
    <message>
        <source>A password is required to access the device.</source>
        <translation>Un mot de passe est nécessaire pour accéder à l&apos;appareil.</translation>
    </message>
    <message>
        <source> Enter password:</source>
        <translation> Saisir le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Use Password</source>
        <translation>Utiliser le mot de passe</translation>
    </message>
    <message>
        <source>Device password</source>
        <translation>Mot de passe de l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>cConnectionManager</name>
    <message>
        <source>Insert / Connect an Identifier.

Application is attempting to connect.</source>
        <translation>Insérez ou connectez un Identifier.

L&apos;application tente de se connecter.</translation>
    </message>
</context>
<context>
    <name>cControlTab</name>
    <message>
        <source>Control</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Bracket message control</source>
        <translation>Contrôle des messages du support</translation>
    </message>
    <message>
        <source>Off-bracket:</source>
        <translation>Hors support&#xa0;:</translation>
    </message>
    <message>
        <source>Transmit normally
with alert</source>
        <translation>Émettre normalement
avec alerte</translation>
    </message>
    <message>
        <source>An alert is included in the messaging if the Identifier is off-bracket.</source>
        <translation>Une alerte est ajoutée aux messages si l&apos;Identifier est hors de son support.</translation>
    </message>
    <message>
        <source>Stop transmission</source>
        <translation>Arrêter l&apos;émission</translation>
    </message>
    <message>
        <source>Transmissions stop if the Identifier is off-bracket.</source>
        <translation>Les émissions s&apos;arrêtent si l&apos;Identifier est hors de son support.</translation>
    </message>
    <message>
        <source>Bracket error:</source>
        <translation>Erreur de support&#xa0;:</translation>
    </message>
    <message>
        <source>An alert is included in the messaging if a bracket error is detected.</source>
        <translation>Une alerte est ajoutée aux messages si une erreur de support est détectée.</translation>
    </message>
    <message>
        <source>Transmissions stop if a bracket error is detected.</source>
        <translation>Les émissions s&apos;arrêtent si une erreur de support est détectée.</translation>
    </message>
    <message>
        <source>SOS control</source>
        <translation>Contrôle SOS</translation>
    </message>
    <message>
        <source>Enable SOS alert:</source>
        <translation>Activer l&apos;alerte SOS&#xa0;:</translation>
    </message>
    <message>
        <source>Enable the SOS alert.  The defined message is sent if the SOS button on the Identifier is pressed.</source>
        <translation>Activer l&apos;alerte SOS. Le message défini est envoyé si le bouton SOS de l&apos;Identifier est pressé.</translation>
    </message>
    <message>
        <source>SOS message:</source>
        <translation>Message SOS&#xa0;:</translation>
    </message>
    <message>
        <source>Define the SOS message to be sent if it is enabled and activated.</source>
        <translation>Définir le message SOS envoyé s&apos;il est activé et déclenché.</translation>
    </message>
    <message>
        <source>MAYDAY MAYDAY</source>
        <translation>MAYDAY MAYDAY</translation>
    </message>
    <message>
        <source>Enable audible alert</source>
        <translation>Activer l&apos;alerte sonore</translation>
    </message>
    <message>
        <source>Audible alert</source>
        <translation>Alerte sonore</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Always enable</source>
        <translation>Toujours activer</translation>
    </message>
    <message>
        <source>Use the SOSbuzzer interval for battery power.</source>
        <translation>Utiliser l&apos;intervalle de l&apos;avertisseur sonore SOS pour l&apos;alimentation sur batterie.</translation>
    </message>
    <message>
        <source>Enable with power</source>
        <translation>Activer avec l&apos;alimentation</translation>
    </message>
    <message>
        <source>Use the SOS buzzer interval for vessel power.</source>
        <translation>Utiliser l&apos;intervalle de l&apos;avertisseur sonore SOS pour l&apos;alimentation du navire.</translation>
    </message>
    <message>
        <source>Geofence control</source>
        <translation>Contrôle du géorepérage</translation>
    </message>
    <message>
        <source>Enable fence type</source>
        <translation>Activer le type de zone</translation>
    </message>
    <message>
        <source>Operational </source>
        <translation>Opérationnelle </translation>
    </message>
    <message>
        <source>Enables the operational fence.</source>
        <translation>Active la zone opérationnelle.</translation>
    </message>
    <message>
        <source>Halvex</source>
        <translation>Halvex</translation>
    </message>
    <message>
        <source>Enables the Halvex fence.</source>
        <translation>Active la zone Halvex.</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>Enables the encryption fence.</source>
        <translation>Active la zone de chiffrement.</translation>
    </message>
    <message>
        <source>Disables the Geofence audible alert even if it is defined in the Geofence configuration.</source>
        <translation>Désactive l&apos;alerte sonore de géorepérage même si elle est définie dans la configuration du géorepérage.</translation>
    </message>
    <message>
        <source>Enables the Geofence audible alert if defined in a Geofence configuration.</source>
        <translation>Active l&apos;alerte sonore de géorepérage si elle est définie dans une configuration de géorepérage.</translation>
    </message>
    <message>
        <source>Enables the Geofence audible alert if defined in the Geofence configuration and there is vessel power.</source>
        <translation>Active l&apos;alerte sonore de géorepérage si elle est définie dans la configuration du géorepérage et que le navire est alimenté.</translation>
    </message>
    <message>
        <source>Geofence message control</source>
        <translation>Contrôle des messages de géorepérage</translation>
    </message>
    <message>
        <source>Inside geofence</source>
        <translation>Dans la zone</translation>
    </message>
    <message>
        <source>Transmit normally</source>
        <translation>Émettre normalement</translation>
    </message>
    <message>
        <source>Messages are transmitted normally if the vessel is inside the geo-fence area.</source>
        <translation>Les messages sont émis normalement si le navire est dans la zone de géorepérage.</translation>
    </message>
    <message>
        <source>Transmit with alert</source>
        <translation>Émettre avec alerte</translation>
    </message>
    <message>
        <source>Messages are transmitted with an alert if the vessel is inside the geo-fence area.</source>
        <translation>Les messages sont émis avec une alerte si le navire est dans la zone de géorepérage.</translation>
    </message>
    <message>
        <source>Transmissions stop if the vessel is inside the geo-fence area.</source>
        <translation>Les émissions s&apos;arrêtent si le navire est dans la zone de géorepérage.</translation>
    </message>
    <message>
        <source>Outside geofence</source>
        <translation>Hors de la zone</translation>
    </message>
    <message>
        <source>Messages are transmitted normally if the vessel is outside the geo-fence area.</source>
        <translation>Les messages sont émis normalement si le navire est hors de la zone de géorepérage.</translation>
    </message>
    <message>
        <source>Messages are transmitted with an alert if the vessel is outside the geo-fence area</source>
        <translation>Les messages sont émis avec une alerte si le navire est hors de la zone de géorepérage</translation>
    </message>
    <message>
        <source>Transmissions stop if the vessel is outside the geo-fence area.</source>
        <translation>Les émissions s&apos;arrêtent si le navire est hors de la zone de géorepérage.</translation>
    </message>
    <message>
        <source>Halvex control</source>
        <translation>Contrôle Halvex</translation>
    </message>
    <message>
        <source>Enable Halvex</source>
        <translation>Activer Halvex</translation>
    </message>
    <message>
        <source>Enables Halvex functionality.</source>
        <translation>Active la fonction Halvex.</translation>
    </message>
    <message>
        <source>Active area</source>
        <translation>Zone active</translation>
    </message>
    <message>
        <source> Inside boundary</source>
        <translation> Dans la limite</translation>
    </message>
    <message>
        <source>Outside boundary</source>
        <translation>Hors de la limite</translation>
    </message>
    <message>
        <source>Other control</source>
        <translation>Autres contrôles</translation>
    </message>
    <message>
        <source>Enable power box connection</source>
        <translation>Activer la connexion du boîtier d&apos;alimentation</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If the Identifier is powered by its external power box the connection should be enabled here.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Si l&apos;Identifier est alimenté par son boîtier d&apos;alimentation externe, la connexion doit être activée ici.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Enable power disconnect alert</source>
        <translation>Activer l&apos;alerte de coupure d&apos;alimentation</translation>
    </message>
    <message>
        <source>Enable the alert if the power box is disconnected.</source>
        <translation>Activer l&apos;alerte si le boîtier d&apos;alimentation est déconnecté.</translation>
    </message>
    <message>
        <source>Enable SBAS</source>
        <translation>Activer le SBAS</translation>
    </message>
    <message>
        <source>Enable the satellite based augmentation system for enhanced position accuracy (where this satellite coverage is available).</source>
        <translation>Activer le système de renforcement satellitaire pour une position plus précise (là où cette couverture satellite est disponible).</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
</context>
<context>
    <name>cDeviceActionsTab</name>
    <message>
        <source>Device Actions</source>
        <translation>Actions sur l&apos;appareil</translation>
    </message>
    <message>
        <source>Device actions (immediate)</source>
        <translation>Actions sur l&apos;appareil (immédiates)</translation>
    </message>
    <message>
        <source>Reset configuration data</source>
        <translation>Réinitialiser la configuration</translation>
    </message>
    <message>
        <source>Reset all the configuration data; alert settings, geo-fence, AIS message settings etc</source>
        <translation>Réinitialiser toutes les données de configuration&#xa0;: réglages des alertes, géorepérage, réglages des messages AIS, etc.</translation>
    </message>
    <message>
        <source>Reset vessel data</source>
        <translation>Réinitialiser les données du navire</translation>
    </message>
    <message>
        <source>Reset all the vessel data; MMSI number, vessel name etc.</source>
        <translation>Réinitialiser toutes les données du navire&#xa0;: numéro MMSI, nom du navire, etc.</translation>
    </message>
    <message>
        <source>Clear paired bracket</source>
        <translation>Effacer le support appairé</translation>
    </message>
    <message>
        <source>Clear the data matching this Identifier to a specific bracket.</source>
        <translation>Effacer les données qui associent cet Identifier à un support précis.</translation>
    </message>
    <message>
        <source>Set device to deep sleep</source>
        <translation>Mettre l&apos;appareil en veille profonde</translation>
    </message>
    <message>
        <source>Place the Identifier in &apos;deep sleep&apos; to conserve battery power when the unit is not in use.</source>
        <translation>Mettre l&apos;Identifier en veille profonde pour économiser la batterie lorsque l&apos;appareil n&apos;est pas utilisé.</translation>
    </message>
</context>
<context>
    <name>cGnssRecordPanel</name>
    <message>
        <source>NMEA logs (*.nmea *.log *.txt);;All files (*)</source>
        <translation>Journaux NMEA (*.nmea *.log *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Record GNSS...</source>
        <translation>Enregistrer le GNSS...</translation>
    </message>
    <message>
        <source>Replay...</source>
        <translation>Rejouer...</translation>
    </message>
    <message>
        <source>Replay of %1 finished.</source>
        <translation>Lecture de %1 terminée.</translation>
    </message>
    <message>
        <source>Record GNSS</source>
        <translation>Enregistrer le GNSS</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>L&apos;enregistrement n&apos;a pas été sauvegardé.</translation>
    </message>
    <message>
        <source>Saved %1 sentences to %2.</source>
        <translation>%1 phrases sauvegardées dans %2.</translation>
    </message>
    <message>
        <source>The recording was full and has been saved: %1 sentences in %2.</source>
        <translation>L&apos;enregistrement était plein et a été sauvegardé&#xa0;: %1 phrases dans %2.</translation>
    </message>
    <message>
        <source>Replay stopped.</source>
        <translation>Lecture arrêtée.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 holds no NMEA sentences.</source>
        <translation>%1 ne contient aucune phrase NMEA.</translation>
    </message>
    <message>
        <source>Stop Replay</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>Replaying %1</source>
        <translation>Lecture de %1</translation>
    </message>
</context>
<context>
    <name>cGpsStatusTab</name>
    <message>
        <source>Fix Status:</source>
        <translation>État du fix&#xa0;:</translation>
    </message>
    <message>
        <source>UTC Time:</source>
        <translation>Heure UTC&#xa0;:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude&#xa0;:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude&#xa0;:</translation>
    </message>
    <message>
        <source>Speed Over Ground:</source>
        <translation>Vitesse sur le fond&#xa0;:</translation>
    </message>
    <message>
        <source>Course Over Ground:</source>
        <translation>Route sur le fond&#xa0;:</translation>
    </message>
    <message>
        <source>Satellites In View:</source>
        <translation>Satellites visibles&#xa0;:</translation>
    </message>
    <message>
        <source>The number of satellites detected by the device.  The SVN of the satellites in view are shown in the x axis of the histogram.</source>
        <translation>Le nombre de satellites détectés par l&apos;appareil. Les SVN des satellites visibles figurent sur l&apos;axe x de l&apos;histogramme.</translation>
    </message>
    <message>
        <source>Satellites In Use:</source>
        <translation>Satellites utilisés&#xa0;:</translation>
    </message>
    <message>
        <source>The number of satellites used for navigation.</source>
        <translation>Le nombre de satellites utilisés pour la navigation.</translation>
    </message>
    <message>
        <source>Satellites Tracked:</source>
        <translation>Satellites suivis&#xa0;:</translation>
    </message>
    <message>
        <source>The number of satellites actually tracked by the device.  The SVN for these are shown in the x axis of the histogram with no signal strength.</source>
        <translation>Le nombre de satellites réellement suivis par l&apos;appareil. Leurs SVN figurent sur l&apos;axe x de l&apos;histogramme sans force de signal.</translation>
    </message>
    <message>
        <source>Satellite being used for navigation</source>
        <translation>Satellite utilisé pour la navigation</translation>
    </message>
    <message>
        <source>Satellite not used for navigation</source>
        <translation>Satellite non utilisé pour la navigation</translation>
    </message>
    <message>
        <source>Satellite is an SBAS satellite</source>
        <translation>Le satellite est un satellite SBAS</translation>
    </message>
    <message>
        <source>No Fix</source>
        <translation>Pas de fix</translation>
    </message>
    <message>
        <source>%1 kn</source>
        <translation>%1 nd</translation>
    </message>
    <message>
        <source>GNSS Satellite Signal Levels</source>
        <translation>Niveaux de signal des satellites GNSS</translation>
    </message>
    <message>
        <source>C/No [dBHz]</source>
        <translation>C/No [dBHz]</translation>
    </message>
    <message>
        <source>Satellite ID</source>
        <translation>ID du satellite</translation>
    </message>
    <message>
        <source>2D Fix</source>
        <translation>Fix 2D</translation>
    </message>
    <message>
        <source>3D Fix</source>
        <translation>Fix 3D</translation>
    </message>
    <message>
        <source>Satellite </source>
        <translation>Satellite </translation>
    </message>
    <message>
        <source>GNSS sentences</source>
        <translation>Phrases GNSS</translation>
    </message>
    <message>
        <source>HDOP / PDOP / VDOP:</source>
        <translation>HDOP / PDOP / VDOP&#xa0;:</translation>
    </message>
    <message>
        <source>Dilution of precision: how much the satellites&apos; geometry magnifies the position error horizontally, in three dimensions and vertically. Below 2 is good.</source>
        <translation>Dilution de précision (DOP)&#xa0;: combien la géométrie des satellites amplifie l&apos;erreur de position à l&apos;horizontale, en trois dimensions et à la verticale. En dessous de 2, c&apos;est bien.</translation>
    </message>
    <message>
        <source>Time To First Fix:</source>
        <translation>Temps jusqu&apos;au premier fix&#xa0;:</translation>
    </message>
    <message>
        <source>From the connection to the first 2D or 3D fix.</source>
        <translation>De la connexion au premier fix 2D ou 3D.</translation>
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
        <translation>Signal des 10 dernières minutes</translation>
    </message>
    <message>
        <source>10 min ago</source>
        <translation>il y a 10 min</translation>
    </message>
    <message>
        <source>5 min ago</source>
        <translation>il y a 5 min</translation>
    </message>
    <message>
        <source>now</source>
        <translation>maintenant</translation>
    </message>
    <message>
        <source>Mean C/N0 of the four strongest [dB-Hz], left</source>
        <translation>C/N0 moyen des quatre plus forts [dB-Hz], à gauche</translation>
    </message>
    <message>
        <source>Satellites used, right</source>
        <translation>Satellites utilisés, à droite</translation>
    </message>
</context>
<context>
    <name>cSkyPlot</name>
    <message>
        <source>40 and more</source>
        <translation>40 et plus</translation>
    </message>
    <message>
        <source>below 20</source>
        <translation>moins de 20</translation>
    </message>
    <message>
        <source>Sky plot</source>
        <translation>Vue du ciel</translation>
    </message>
    <message>
        <source>C/N0 %1 dB-Hz</source>
        <translation>C/N0 %1 dB-Hz</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>aucun signal</translation>
    </message>
    <message>
        <source>%1 %2%3
Elevation %4°, azimuth %5°
%6</source>
        <translation>%1 %2%3
élévation %4°, azimut %5°
%6</translation>
    </message>
    <message>
        <source>, used in the fix</source>
        <translation>, utilisé pour le fix</translation>
    </message>
    <message>
        <source>C/N0 [dB-Hz]:</source>
        <translation>C/N0 [dB-Hz]&#xa0;:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Filled: used in the fix</source>
        <translation>Plein&#xa0;: utilisé pour le fix</translation>
    </message>
</context>
<context>
    <name>cUpdateRequest</name>
    <message>
        <source>usage: %1 IMAGE PORT BAUDCODE  (BAUDCODE 15 for 38400 baud, 19 for 115200 baud)</source>
        <translation>utilisation&#xa0;: %1 IMAGE PORT CODEBAUD  (CODEBAUD 15 pour 38400 bauds, 19 pour 115200 bauds)</translation>
    </message>
</context>
</TS>
