#include "core/failure.h"
#include "panels/integer_division.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vorantis {
namespace {

using testing::MemoryForm;
using testing::Write;

// Counts how often the procedure reads each field.
class CountingForm : public MemoryForm {
public:
    std::string text(Field field) const override
    {
        ++m_reads[field];
        return MemoryForm::text(field);
    }
    int reads(Field field) const { return m_reads[field]; }

private:
    mutable std::map<Field, int> m_reads;
};

TEST(IntDividePanel, WritesQuotientThenRemainder)
{
    const struct {
        const char *dividend, *divisor, *quotient, *remainder;
    } cases[]{
        {"17", "5", "3", "2"},    {"-17", "5", "-4", "3"}, {"17", "-5", "-4", "-3"},
        {"7.5", "2", "3", "1.5"}, {"0", "5", "0", "0"},    {" 20 ", "4", "5", "0"},
        {"-7.5", "2", "-4", "0.5"},
    };
    for (const auto& c : cases) {
        CountingForm form;
        form.type(Field::Text23, c.dividend);
        form.type(Field::Text24, c.divisor);
        Command3_Click(form);
        EXPECT_EQ(form.writes(), (std::vector<Write>{{"Text3", c.quotient}, {"Text4", c.remainder}}))
            << c.dividend << " / " << c.divisor;
        // Handed to divide as fields: three uses of each in each of the two calls.
        EXPECT_EQ(form.reads(Field::Text23), 6);
        EXPECT_EQ(form.reads(Field::Text24), 6);
        EXPECT_EQ(form.text(Field::Text23), c.dividend); // inputs untouched
    }
}

TEST(IntDividePanel, FailureWritesNeitherField)
{
    const struct {
        const char *dividend, *divisor;
        FailureKind kind;
    } cases[]{
        {"17", "0", FailureKind::DivisionByZero}, {"0", "0", FailureKind::InvalidOperation},
        {"abc", "5", FailureKind::NotANumber},    {"17", "", FailureKind::NotANumber},
        {"", "", FailureKind::NotANumber},        {"1e308", "1e-10", FailureKind::OutOfRange},
    };
    for (const auto& c : cases) {
        MemoryForm form;
        form.type(Field::Text3, "3");
        form.type(Field::Text4, "2");
        form.type(Field::Text23, c.dividend);
        form.type(Field::Text24, c.divisor);
        try {
            Command3_Click(form);
            ADD_FAILURE() << "no failure for " << c.dividend << " / " << c.divisor;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.kind(), c.kind) << c.dividend << " / " << c.divisor;
        }
        EXPECT_TRUE(form.writes().empty());
        EXPECT_EQ(form.text(Field::Text3), "3");
        EXPECT_EQ(form.text(Field::Text4), "2");
    }
}

TEST(IntDividePanel, SecondClickGivesTheSameAndFollowsNewInput)
{
    MemoryForm form;
    form.type(Field::Text23, "-17");
    form.type(Field::Text24, "5");
    Command3_Click(form);
    Command3_Click(form);
    EXPECT_EQ(form.writes(), (std::vector<Write>{{"Text3", "-4"}, {"Text4", "3"}, {"Text3", "-4"}, {"Text4", "3"}}));
    form.type(Field::Text24, "-5");
    Command3_Click(form);
    EXPECT_EQ(form.text(Field::Text3), "3");
    EXPECT_EQ(form.text(Field::Text4), "-2");
}

} // namespace
} // namespace vorantis
