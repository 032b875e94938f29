#pragma once

#include <QString>

#include <initializer_list>
#include <memory>

#include <kainjow/mustache.hpp>

namespace reports {

// The values a layout section is filled with: mustache data whose names are
// kept in lower case, so that a layout may write {{TransDate}} for the
// column Transdate (T-SQL names ignore case too).
using TemplateData = kainjow::mustache::data;

// Building blocks for the values, always with lower-case names.
namespace values {
TemplateData Object();
TemplateData List();
void Set(TemplateData& object, const QString& name, const QString& text);
void Set(TemplateData& object, const QString& name, bool flag);
void Set(TemplateData& object, const QString& name, TemplateData&& value);
void Append(TemplateData& list, TemplateData&& item);
} // namespace values

// One layout section compiled: HTML (values are escaped unless written
// {{{triple}}}) or plain text (nothing escaped, for table cells drawn
// directly). Names are looked up ignoring case, innermost scope first.
class ReportTemplate {
public:
    enum class Output { Html, PlainText };

    ReportTemplate() = default;
    ReportTemplate(const QString& text, Output output);

    // "" when the text is a valid template, else what is wrong with it.
    static QString Check(const QString& text);

    bool isEmpty() const { return !mustache_; }
    // True when the text has no tags at all.
    bool isLiteral() const { return literal_; }
    const QString& text() const { return text_; }

    // Fills the template; scopes are listed outermost first.
    QString render(std::initializer_list<const TemplateData*> scopes) const;

private:
    QString text_;
    bool literal_ = true;
    std::shared_ptr<kainjow::mustache::mustache> mustache_;
};

} // namespace reports
