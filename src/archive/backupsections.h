#pragma once

#include <QString>

#include <bitset>

namespace archive {

// Section s of a backup file carries table s + 1.
constexpr int SectionCount = 26;
constexpr int sectionTable(int section) { return section + 1; }
constexpr int tableSection(int table) { return table - 1; }

// The name written into the file and the caption of its check box.
QString sectionFileName(int section);
QString sectionCaption(int section);

// Ticked sections, index 1..26 (bit 0 unused).
using SectionSet = std::bitset<SectionCount + 1>;
SectionSet allSections();
SectionSet sectionsUpTo(int last); // 1..last

} // namespace archive
