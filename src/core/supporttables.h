#pragma once

#include <QString>
#include <QStringList>

namespace core {

class DataMaster;

// Field indexes of the support tables of members, leaders and counties.
namespace SmidField {
constexpr int Key = 0, LastName = 1, FirstName = 2, MiddleInitial = 3, Age = 4, Grade = 5;
}
namespace SlidField {
constexpr int Key = 0, LastName = 1, FirstName = 2, MiddleInitial = 3;
}
namespace ScouField {
constexpr int Code = 0, Name = 1;
}
constexpr int CountyCodeLength = 3;
constexpr int PersonKeyLength = 7; // county code + four digits

// The people of one county from Smid (members) or Slid (leaders), ordered by last name, first
// name and initial through sort list 1. Members read as age (two characters), two blanks and
// "Last, First I"; leaders as "Last, First I". Keys match the county code without regard to case.
QStringList PeopleLines(DataMaster& data, int table, const QString& countyCode);

// Every county as its code, a blank and its name, in code order.
QStringList CountyLines(DataMaster& data);

} // namespace core
