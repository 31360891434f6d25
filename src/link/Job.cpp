#include "link/Job.h"

Job::Job(const QString& name, const QList<JobItem*>& items)
    : m_name(name)
    , m_items(items)
{
}
