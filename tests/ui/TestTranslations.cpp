// Loads one translation (the language is the only argument, German without
// one), walks every
// page and dialog of the screenshot tour and fails on any visible text still
// in English: a text that is an English source whose translation differs,
// or a text with an English word a translation never keeps. Tooltips and
// what tables and lists show count as visible. It fails too on a table whose
// translated columns no longer fit it.

#include "ProgramTour.h"

#include <QAbstractItemView>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>

#include <set>

namespace {

struct Catalogue {
    std::set<QString> sources;
    std::set<QString> translations;
};

bool Read(const QString& path, Catalogue* catalogue)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            catalogue->sources.insert(xml.readElementText());
        else if (xml.name() == QLatin1String("translation"))
            catalogue->translations.insert(xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return !xml.hasError();
}

class TextWalker {
public:
    explicit TextWalker(const Catalogue& catalogue)
        : catalogue(catalogue)
    {
    }

    bool See(QWidget* widget, const QString& name)
    {
        stop = name;
        Check(widget->windowTitle());
        if (auto* window = qobject_cast<QMainWindow*>(widget)) {
            Check(window->statusBar()->currentMessage());
            for (QAction* action : window->menuBar()->actions())
                CheckMenu(action);
        }
        for (QWidget* child : widget->findChildren<QWidget*>()) {
            if (child->isVisible())
                CheckWidget(child);
        }
        return true;
    }

    const QStringList& Failures() const { return failures; }

private:
    void CheckWidget(QWidget* widget)
    {
        CheckRichText(widget->toolTip());
        auto* view = qobject_cast<QAbstractItemView*>(widget);
        if (view && !qobject_cast<QHeaderView*>(view))
            CheckItems(view->model(), view->rootIndex());
        if (auto* label = qobject_cast<QLabel*>(widget))
            Check(QTextDocumentFragment::fromHtml(label->text()).toPlainText());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            Check(button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            Check(group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int index = 0; index < tabs->count(); ++index)
                Check(tabs->tabText(index));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int index = 0; index < combo->count(); ++index)
                Check(combo->itemText(index));
        } else if (auto* spin = qobject_cast<QSpinBox*>(widget))
            Check(spin->suffix().trimmed());
        else if (auto* line = qobject_cast<QLineEdit*>(widget))
            Check(line->placeholderText());
        else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            const int count = header->model() ? header->count() : 0;
            for (int section = 0; section < count; ++section) {
                for (int role : { Qt::DisplayRole, Qt::ToolTipRole })
                    CheckRichText(
                        header->model()->headerData(section, header->orientation(), role).toString());
            }
        } else if (auto* table = qobject_cast<QTableView*>(widget)) {
            // Longer words must not push columns out of sight.
            if (table->horizontalScrollBar()->isVisible())
                failures << stop + QStringLiteral(": the columns of \"") + table->accessibleName()
                        + QStringLiteral("\" do not fit");
        }
    }

    void CheckItems(const QAbstractItemModel* model, const QModelIndex& parent)
    {
        if (!model)
            return;
        for (int row = 0; row < model->rowCount(parent); ++row) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const QModelIndex item = model->index(row, column, parent);
                for (int role : { Qt::DisplayRole, Qt::ToolTipRole })
                    CheckRichText(item.data(role).toString());
                CheckItems(model, item);
            }
        }
    }

    void CheckRichText(const QString& text)
    {
        Check(Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text);
    }

    void CheckMenu(QAction* action)
    {
        Check(action->text());
        if (action->menu()) {
            for (QAction* item : action->menu()->actions())
                CheckMenu(item);
        }
    }

    void Check(const QString& text)
    {
        if (text.trimmed().isEmpty() || !IsEnglish(text))
            return;
        const QString failure
            = QStringLiteral("still in English: ") + stop + QStringLiteral(": \"") + text + QLatin1Char('"');
        if (!failures.contains(failure))
            failures << failure;
    }

    bool IsEnglish(const QString& text) const
    {
        if (catalogue.sources.count(text) && !catalogue.translations.count(text))
            return true;
        static const QStringList englishOnly { "the", "and", "of", "to", "with", "is", "this", "for", "from",
            "enable", "device", "vessel", "send", "save", "clear", "enter", "click", "settings", "window",
            "command" };
        const QStringList words = text.toLower().split(QRegularExpression(QStringLiteral("[^a-z]+")));
        for (const QString& word : words) {
            if (englishOnly.contains(word))
                return true;
        }
        return false;
    }

    const Catalogue& catalogue;
    QString stop;
    QStringList failures;
};

bool Install(QCoreApplication& application, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    return translator->load(name, folder) && application.installTranslator(translator);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir userFolder;
    UiTest::UseUserFolder(userFolder.path());
    const QString language = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("de");
    int noArguments = 1;
    VelmoraApplication application(noArguments, argv);
    Catalogue catalogue;
    if (!Read(QStringLiteral(TRANSLATIONS_DIR "/velmora_") + language + QStringLiteral(".ts"), &catalogue)
        || !Install(application, QStringLiteral("velmora_") + language, QStringLiteral(BINARY_DIR))
        || !Install(application, QStringLiteral("qtbase_") + language,
            QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QTextStream(stderr) << "FAIL: the " << language << " translation cannot be loaded\n";
        return 1;
    }
    TextWalker walker(catalogue);
    const bool toured = ProgramTour::Run(QStringLiteral(PROJECT_DIR "/sim/demo.json"),
        [&walker](QWidget* shown, const QString& name) { return walker.See(shown, name); });
    for (const QString& failure : walker.Failures())
        QTextStream(stderr) << "FAIL: " << failure << '\n';
    if (!toured || !walker.Failures().isEmpty())
        return 1;
    QTextStream(stdout) << "PASS: every visible text is in " << language << '\n';
    return 0;
}
