#pragma once

#include <QString>
#include <QStringList>

class QListWidget;

namespace chart::requests {

// One row of the chart's department lists: a fixed-width text of the exam
// name (50 characters), the department code (position 51), the section and
// the exam code (from position 56), as the lists have always been read.
struct ListedExam {
    QString name;
    QString department;
    QString section;
    QString code;
};
QString ListRowText(const ListedExam& exam);
ListedExam ParseListRow(const QString& text);

// Fills the chart's lists from the station's views of active exams: the
// common laboratory exams, the x-ray and ultrasound exams, and every other
// department's exams in one list. Throws db::DbError when a view cannot be read.
void FillLaboratoryList(QListWidget& list);
void FillXrayList(QListWidget& list);
void FillUltrasoundList(QListWidget& list);
void FillOthersList(QListWidget& list);

} // namespace chart::requests
