#pragma once

#include <QList>
#include <QString>

class JobItem;

// A named, ordered list of items. Items are owned by the job table, since
// some appear in more than one job.
class Job {
public:
    explicit Job(const QString& name, const QList<JobItem*>& items = {});

    QString name() const { return m_name; }
    const QList<JobItem*>& items() const { return m_items; }

private:
    QString m_name;
    QList<JobItem*> m_items;
};
