#pragma once

#include "SimConfig.h"

#include <QList>
#include <QString>

// Decides, reply by reply, which of the planned reply faults strikes.
class ReplyFaults
{
public:
    enum class Fate { Deliver, Drop, Corrupt, WrongCommand };

    void setPlan(const FaultPlan& plan);
    // word: the command's first word (or "SSD", "SAC", ...); whole: its full text.
    Fate fateOf(const QString& word, const QString& whole);

private:
    struct Rule {
        QString target;
        int occurrence = 0; // 0: every time
        Fate fate = Fate::Deliver;
        int seen = 0;
    };

    void addRules(const QStringList& specs, Fate fate);

    QList<Rule> m_rules;
};
