// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/captions.h"

#include "language/language.h"

namespace vorantis::practice {
namespace {

constexpr MoveRow moveTable[]{{Move::check, translatable("Check")},
                              {Move::hint, translatable("Hint")},
                              {Move::showWorking, translatable("Show Working")},
                              {Move::next, translatable("Next")}};

// The count said in its language's form, and written in its digits.
unsigned long times(int count) { return static_cast<unsigned long>(count); }

} // namespace

std::span<const MoveRow> moves() { return moveTable; }

working::Math captionOf(Move move)
{
    return working::words(moveTable[static_cast<std::size_t>(move)].caption);
}

working::Math captionOf(const AnswerField& field) { return working::words(field.caption); }

working::Math captionOf(const VerdictChoice& choice) { return working::words(choice.caption); }

std::vector<working::Step> tallyLines(const Tally& tally)
{
    using working::counted;
    using working::whole;
    return {counted("{count} exercise right first time", "{count} exercises right first time",
                    times(tally.rightFirstTime), {{"count", whole(tally.rightFirstTime)}}),
            counted("{count} exercise right after a hint", "{count} exercises right after a hint",
                    times(tally.rightAfterHint), {{"count", whole(tally.rightAfterHint)}}),
            counted("{count} exercise whose working was shown", "{count} exercises whose working was shown",
                    times(tally.shown), {{"count", whole(tally.shown)}})};
}

} // namespace vorantis::practice
