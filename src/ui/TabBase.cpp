#include "ui/TabBase.h"

TabBase::TabBase(Model* model, QWidget* parent)
    : QWidget(parent)
    , model(model)
{
    Q_ASSERT(model);
}

void TabBase::MarkEdited()
{
    edited = true;
    emit Edited(this);
}

void TabBase::CommitEdit()
{
    MarkEdited();
    UpdateModelFromTab(nullptr);
}
