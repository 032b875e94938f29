#pragma once

#include "shell/UnsavedWork.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace test {

// A small working form that holds typed text, for the window framework's
// tests: what it saves goes into `store` (which outlives the form), and it
// can be told to refuse the save as a failed save would.
class NoteForm : public QWidget, public shell::UnsavedWork {
public:
    explicit NoteForm(QStringList* store, const QString& title = QStringLiteral("Note"), QWidget* parent = nullptr)
        : QWidget(parent), store_(store)
    {
        setObjectName(QStringLiteral("frmNote"));
        setWindowTitle(title);
        txtNote = new QLineEdit(this);
        txtNote->setObjectName(QStringLiteral("txtNote"));
        cmdSave = new QPushButton(QStringLiteral("&Save"), this);
        cmdSave->setObjectName(QStringLiteral("cmdSave"));
        cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
        cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
        cmdClose = new QPushButton(QStringLiteral("&Close"), this);
        cmdClose->setObjectName(QStringLiteral("cmdClose"));
        auto* row = new QHBoxLayout(this);
        row->addWidget(txtNote, 1);
        row->addWidget(cmdSave);
        row->addWidget(cmdPrint);
        row->addWidget(cmdClose);
        QObject::connect(cmdSave, &QPushButton::clicked, this, [this] { saveUnsavedChanges(); });
        QObject::connect(cmdPrint, &QPushButton::clicked, this, [this] { ++prints; });
        QObject::connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
    }

    bool hasUnsavedChanges() const override { return txtNote->text() != saved_; }
    bool saveUnsavedChanges() override
    {
        if (refuseSave)
            return false;
        saved_ = txtNote->text();
        if (store_)
            store_->append(saved_);
        return true;
    }
    QString unsavedWorkTitle() const override { return windowTitle(); }

    QLineEdit* txtNote = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
    bool refuseSave = false;
    int prints = 0;

private:
    QStringList* store_;
    QString saved_;
};

} // namespace test
