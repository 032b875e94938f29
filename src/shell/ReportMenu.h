#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

class QWidget;

namespace shell {

struct UserLogsReport;

// A station report run from the main window: the menu item it belongs to
// (whose right, when it has one, is checked first), the report file and the
// viewer's title, and how its parameters are filled.
struct MenuReport {
    QString item;            // "mnuAudit"
    QString file;            // "\\Reports\\Audit_report.RPT"
    QString title;           // the viewer's caption
    QString promptCaption;   // the date prompt's caption; empty when the report covers no period
    bool allowFutureDate = false;
    bool withStation = false; // the user's OR station follows the period
    bool showGroupTree = false;
};

// The report behind a menu item, as the site prints it; nothing for an item
// that runs no report from here.
std::optional<MenuReport> MenuReportFor(const QString& item);
// The items MenuReportFor knows, in menu order.
QStringList MenuReportItems();

// The hospital's name and address: the first two parameters of every
// station report.
QVariantList SiteParameters();

// The one way a report is run from a menu: the item's right, the date prompt
// (cancelled, nothing runs), then the report with the site's name and
// address, the period and the station. False when nothing was shown.
bool RunMenuReport(const MenuReport& report, QWidget* parent = nullptr);

// Opens a report file with its parameters and shows it in the viewer (the
// last step of RunMenuReport; windows that gather their own parameters call
// it directly). Problems are told through the prompts; false when nothing was shown.
bool OpenAndShowReport(const QString& file, const QVariantList& parameters, const QString& title,
                       bool showGroupTree = false);

// The nurse log the User Logs window asks for.
bool ShowUserLogsReport(const UserLogsReport& report);

} // namespace shell
