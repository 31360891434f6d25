#include "link/JobItem.h"

#include "protocol/AISSentence.h"
#include "protocol/NmeaShellCommand.h"

JobItem::JobItem(std::unique_ptr<NmeaShellCommand> command, int retries)
    : m_command(std::move(command))
    , m_retries(retries)
{
}

JobItem::JobItem(std::unique_ptr<AISSentence> codec, int retries)
    : m_codec(std::move(codec))
    , m_retries(retries)
{
}

JobItem::JobItem(const QString& securityStep)
    : m_securityStep(securityStep)
{
}

JobItem::~JobItem() = default;

bool JobItem::takeRetry()
{
    if (m_retries <= 0) {
        return false;
    }
    --m_retries;
    return true;
}
