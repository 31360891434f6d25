#pragma once

#include <QWidget>

class Model;

// Base of the configuration tabs: each fills itself from a model, writes
// itself into a model and reports the user's edits. The tab's own model is
// the tab model, which always holds what the user sees.
class TabBase : public QWidget {
    Q_OBJECT

public:
    TabBase(Model* model, QWidget* parent);

    // A null model means the tab's own model.
    virtual bool UpdateTabFromModel(Model* model) = 0;
    virtual bool UpdateModelFromTab(Model* model) = 0;

    bool IsEdited() const { return edited; }
    bool IsLoading() const { return loading; }

signals:
    void Edited(QWidget* tab);

protected:
    Model* TargetModel(Model* model) const { return model ? model : this->model; }
    // A user edit changed a value: remember it and tell the window.
    void MarkEdited();
    // As MarkEdited, then writes the whole tab into the tab model.
    void CommitEdit();

    // Keeps the loading flag set for one scope, so that the edit slots that
    // loading the controls triggers do nothing.
    class LoadingScope {
    public:
        explicit LoadingScope(TabBase* tab)
            : tab(tab)
            , wasLoading(tab->loading)
        {
            tab->loading = true;
        }
        ~LoadingScope() { tab->loading = wasLoading; }
        LoadingScope(const LoadingScope&) = delete;
        LoadingScope& operator=(const LoadingScope&) = delete;

    private:
        TabBase* tab;
        bool wasLoading;
    };

    Model* model;
    bool edited = false;
    bool loading = false;
};
