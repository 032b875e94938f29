#include "chart/requests/Departments.h"

#include "settings/HospitalInfo.h"
#include "shell/Globals.h"

#include <QDateTime>
#include <QStringList>

namespace chart::requests {

namespace {

const Department kDepartments[] = {
    {QStringLiteral("LB"), QStringLiteral("Laboratory"), QStringLiteral("Laboratory Request Entry"), 18, QStringLiteral("OkeyLab"),
     QStringLiteral("Laboratory Charges")},
    {QStringLiteral("XR"), QStringLiteral("Xray"), QStringLiteral("Xray Request Entry"), 29, QStringLiteral("OkeyXray"),
     QStringLiteral("Xray Charges")},
    {QStringLiteral("US"), QStringLiteral("Ultrasound"), QStringLiteral("Ultrasound Request Entry"), 27, QStringLiteral("OkeyUltra"),
     QStringLiteral("Ultrasound Charges")},
    {QStringLiteral("CT"), QStringLiteral("CT-Scan "), QString(), 14, QStringLiteral("OkeyCT"), QStringLiteral("CT-SCAN Charges")},
    {QStringLiteral("MR"), QStringLiteral("MAGNETIC RESONANCE IMAGING"), QStringLiteral("MRI Request Entry"), 21,
     QStringLiteral("okeymammo"), QStringLiteral("MRI Charges")},
    {QStringLiteral("MI"), QStringLiteral("MAGNETIC RESONANCE IMAGING"), QStringLiteral("MRI Request Entry"), 21,
     QStringLiteral("okeymammo"), QStringLiteral("MRI Charges")},
    {QStringLiteral("HS"), QStringLiteral("Heart Station"), QString(), 17, QStringLiteral("OkeyHS"), QStringLiteral("Heart Station Charges")},
    {QStringLiteral("PT"), QStringLiteral("Physical Therapy"), QString(), 23, QStringLiteral("OkeyPT"),
     QStringLiteral("Physical Therapy Charges")},
    {QStringLiteral("PA"), QStringLiteral("Pulmonary"), QString(), 25, QStringLiteral("OkeyRTS"), QStringLiteral("Pulmonary Charges")},
    {QStringLiteral("NU"), QStringLiteral("Nuclear Medicine"), QString(), 20, QStringLiteral("OkeyNU"), QStringLiteral("Nuclear Charges")},
    {QStringLiteral("NE"), QStringLiteral("Neurology"), QString(), 21, QString(), QString(), true},
    {QStringLiteral("AU"), QStringLiteral("Audiometry"), QString(), 21, QStringLiteral("OkeyAU"), QStringLiteral("Audiometry Charges"), true},
    {QStringLiteral("WC"), QStringLiteral("CENTRE FOR WOMEN"), QStringLiteral("Centre for Women Request Entry"), 21, QString(), QString(), true},
};

} // namespace

Department DepartmentOf(const QString& code)
{
    const QString wanted = code.trimmed().toUpper();
    for (const Department& d : kDepartments)
        if (d.code == wanted)
            return d;
    return Department{wanted, wanted, QString(), 21, QString(), QString(), true};
}

bool IsRadiology(const QString& code)
{
    static const QStringList radiology{QStringLiteral("MR"), QStringLiteral("MI"), QStringLiteral("CT"), QStringLiteral("US"),
                                       QStringLiteral("XR")};
    return radiology.contains(code.trimmed().toUpper());
}

bool QuantityTyped(const QString& code)
{
    return IsRadiology(code) || code.trimmed().compare(QLatin1String("LB"), Qt::CaseInsensitive) == 0;
}

bool ChargedAtSending(const QString& code)
{
    const settings::HospitalInfo& h = app::Hospital();
    const QString c = code.trimmed().toUpper();
    if (c == QLatin1String("LB"))
        return h.IsLBDirectCharging;
    if (c == QLatin1String("XR"))
        return h.IsXRDirectCharging;
    if (c == QLatin1String("US"))
        return h.IsUSDirectCharging;
    if (c == QLatin1String("CT"))
        return h.IsCTDirectCharging;
    if (c == QLatin1String("HS"))
        return h.IsHSDirectCharging;
    return false;
}

QString TransplantCode(const QString& choice)
{
    return choice.trimmed().compare(QLatin1String("TRANSPLANT"), Qt::CaseInsensitive) == 0 ? QStringLiteral("1") : QStringLiteral("0");
}

QString DialysisCode(const QString& choice)
{
    const QString c = choice.trimmed().toUpper();
    if (c == QLatin1String("PRE-DIALYSIS"))
        return QStringLiteral("1");
    if (c == QLatin1String("POST-DIALYSIS"))
        return QStringLiteral("2");
    return QStringLiteral("0");
}

QString TransplantLabel(const QString& code)
{
    return code.trimmed() == QLatin1String("1") ? QStringLiteral("Transplant") : QStringLiteral("Non_Transplant");
}

QString DialysisLabel(const QString& code)
{
    const QString c = code.trimmed();
    if (c == QLatin1String("1"))
        return QStringLiteral("Pre-Dialysis");
    if (c == QLatin1String("2"))
        return QStringLiteral("Post-Dialysis");
    return QStringLiteral("None");
}

QString RequestTimeText(const QDateTime& value)
{
    return value.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss AP"));
}

} // namespace chart::requests
