#include "ReplyFaults.h"

void ReplyFaults::setPlan(const FaultPlan& plan)
{
    m_rules.clear();
    addRules(plan.dropReplies, Fate::Drop);
    addRules(plan.corruptReplies, Fate::Corrupt);
    addRules(plan.wrongCommandReplies, Fate::WrongCommand);
}

ReplyFaults::Fate ReplyFaults::fateOf(const QString& word, const QString& whole)
{
    Fate fate = Fate::Deliver;
    for (Rule& rule : m_rules) {
        if (rule.target != word && rule.target != whole)
            continue;
        ++rule.seen;
        if (fate == Fate::Deliver && (rule.occurrence == 0 || rule.occurrence == rule.seen))
            fate = rule.fate;
    }
    return fate;
}

void ReplyFaults::addRules(const QStringList& specs, Fate fate)
{
    for (const QString& spec : specs) {
        Rule rule;
        rule.fate = fate;
        const int hash = spec.lastIndexOf(QLatin1Char('#'));
        bool numbered = false;
        if (hash > 0)
            rule.occurrence = spec.mid(hash + 1).toInt(&numbered);
        rule.target = numbered ? spec.left(hash) : spec;
        if (!numbered)
            rule.occurrence = 0;
        m_rules.append(rule);
    }
}
