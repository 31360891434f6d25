#pragma once

#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class AISSentence;
class Job;
class JobItem;
class Model;

// Every job the transport knows, built once per transport. Codecs are bound
// to the objects of the given model.
class JobTable {
public:
    explicit JobTable(Model* model);
    ~JobTable();
    JobTable(const JobTable&) = delete;
    JobTable& operator=(const JobTable&) = delete;

    // Null for a name that is not in the table.
    Job* Find(const QString& name) const;

private:
    void AddFixedJobs();
    void AddSettingJobs(Model* model);
    template <typename Setting, typename... Arguments> JobItem* Codec(Arguments... arguments);
    JobItem* Shell(const QString& text, int domain, int mode, int tag, int retries);
    JobItem* Security(const QString& step);
    JobItem* Keep(std::unique_ptr<JobItem> item);
    void Add(const QString& name, const QList<JobItem*>& items);

    std::vector<std::unique_ptr<JobItem>> m_items;
    std::map<QString, std::unique_ptr<Job>> m_jobs;
};
