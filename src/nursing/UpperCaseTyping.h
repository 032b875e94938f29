#pragma once

#include <QObject>

class QLineEdit;
class QTextEdit;

namespace nursing {

// Names and details on the nursing forms are kept in capitals as they are
// typed: letters pass through the key-press component's AllUppers.
class UpperCaseTyping : public QObject {
public:
    explicit UpperCaseTyping(QObject* parent = nullptr) : QObject(parent) {}
    // Every text box under `form` types in capitals.
    void watchAll(QObject* form);
    // One text box types in capitals.
    void installOn(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace nursing
