#pragma once

namespace core {
class Screens;
}

// Contest codes, a contest with its entries and members, and the judging screens opened on them.
void AddJudgingDemo(core::Screens& screens);
