#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// Answers modal dialogs as they open, one step per dialog, from a timer, so
// that a test can call code that runs exec(). A dialog that no step expects
// is rejected and noted, so a test cannot hang on it.
class ModalDriver : public QObject {
public:
    using Step = std::function<void(QWidget* dialog)>;

    ModalDriver()
    {
        connect(&timer, &QTimer::timeout, this, &ModalDriver::Poll);
        timer.start(10);
    }

    // The answers to the next dialogs, in the order they open.
    void Plan(const QList<Step>& answers) { steps = answers; }

    bool Done() const { return steps.isEmpty() && unexpected.isEmpty(); }
    // What each message box said: its icon, text and informative text.
    QStringList messages;
    QStringList unexpected;

    Step SaveAs(const QString& fileName, const QString& filter)
    {
        return Expect<QFileDialog>([fileName, filter](QFileDialog* files) {
            files->selectNameFilter(filter);
            // Typed, as a user would: selectFile() leaves a focused name
            // field alone.
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(fileName);
            static_cast<QDialog*>(files)->accept(); // public in QDialog, virtual
        });
    }

    Step Cancel()
    {
        return Expect<QFileDialog>([](QFileDialog* files) { files->reject(); });
    }

    Step Click(const QString& text)
    {
        return Expect<QMessageBox>([text](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == text) {
                    button->click();
                    return;
                }
            }
            box->reject();
        });
    }

    Step Note()
    {
        return Expect<QMessageBox>([this](QMessageBox* box) {
            messages << QStringLiteral("%1|%2|%3").arg(box->icon()).arg(box->text(), box->informativeText());
            box->accept();
        });
    }

private:
    template <typename Dialog> Step Expect(const std::function<void(Dialog*)>& answer)
    {
        return [this, answer](QWidget* widget) {
            if (auto* dialog = qobject_cast<Dialog*>(widget)) {
                answer(dialog);
            } else {
                Refuse(widget);
            }
        };
    }

    void Refuse(QWidget* widget)
    {
        unexpected << widget->metaObject()->className() + QStringLiteral(" ") + widget->windowTitle();
        qobject_cast<QDialog*>(widget)->reject();
    }

    // A dialog is answered once it has settled (a file dialog fills itself
    // in after it shows); one that stays open after its answer is refused.
    void Poll()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != current) {
            current = dialog;
            shown.restart();
            return;
        }
        if (!dialog) {
            return;
        }
        if (dialog->property("driven").toBool()) {
            if (shown.elapsed() > StuckMs) {
                Refuse(dialog);
            }
            return;
        }
        if (shown.elapsed() < SettleMs) {
            return;
        }
        dialog->setProperty("driven", true);
        shown.restart();
        if (steps.isEmpty()) {
            Refuse(dialog);
            return;
        }
        steps.takeFirst()(dialog);
    }

    static constexpr int SettleMs = 150;
    static constexpr int StuckMs = 3000;
    QList<Step> steps;
    QTimer timer;
    QPointer<QWidget> current;
    QElapsedTimer shown;
};

// The save dialog opens in the documents or the home folder: make home one of
// the test's own, without a documents folder, so that no test looks into the
// user's files. True when it took.
inline bool UseOwnHome(const QTemporaryDir& home)
{
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    return QDir::homePath() == home.path();
}
