#pragma once

// A ModalRunner for tests: each modal window shown is answered at once by
// the next scripted action, usually a click on one of its buttons. Hand it
// to the windows in their services.

#include "ui/ModalRunner.h"

#include <QAbstractButton>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <deque>
#include <functional>

class ScriptedModals final : public ModalRunner {
public:
    using Answer = std::function<void(QDialog&)>;

    std::deque<Answer> answers;
    // Answers any window the queue has no answer for; without one such a
    // window fails the test.
    Answer fallback;
    QStringList shown; // the object name of every window shown, in order
    // For every window shown, the window it stands over (its native window's
    // transient parent), nullptr for none.
    QList<const QWindow*> owners;

    void run(QDialog& dialog) override {
        shown.append(dialog.objectName());
        dialog.show();
        owners.append(dialog.windowHandle() ? dialog.windowHandle()->transientParent() : nullptr);
        if (answers.empty() && fallback) {
            fallback(dialog);
        } else if (answers.empty()) {
            QTest::qFail(qPrintable("no answer scripted for " + dialog.objectName()), __FILE__,
                         __LINE__);
            dialog.reject();
            return;
        } else {
            Answer answer = std::move(answers.front());
            answers.pop_front();
            answer(dialog);
        }
        if (dialog.isVisible()) {
            QTest::qFail(qPrintable(dialog.objectName() + " is still open after its answer"),
                         __FILE__, __LINE__);
            dialog.reject();
        }
    }

    // Clicks the button with this object name, as a player would.
    static Answer click(const QString& buttonName) {
        return [buttonName](QDialog& dialog) {
            auto* button = dialog.findChild<QAbstractButton*>(buttonName);
            if (!button) {
                QTest::qFail(qPrintable("no button " + buttonName), __FILE__, __LINE__);
                return;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        };
    }

    void then(Answer answer) { answers.push_back(std::move(answer)); }
    void thenClick(const QString& buttonName) { answers.push_back(click(buttonName)); }
};
