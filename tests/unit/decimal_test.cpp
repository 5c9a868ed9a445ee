#include "panels/decimal.h"

#include "core/failure.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vorantis {
namespace {

using testing::MemoryForm;
using testing::Write;

struct Row {
    const char* left;
    const char* right;
    void (*click)(Form&);
    const char* sign;
    const char* result; // Text22 afterwards, when the click succeeds
    std::optional<FailureKind> failure;
};

// Text22 holds an earlier result before every click: a failed click leaves it there.
TEST(DecimalPanel, WritesTheSignThenTheResult)
{
    const Row rows[] = {
        {"2", "3", decadd_Click, "+", "5", {}},
        {"7", "2", decsub_Click, "-", "5", {}},
        {"2", "7", decsub_Click, "-", "-5", {}},
        {"7", "2", mecdiv_Click, "/", "3.5", {}},
        {"3", "4", decmulti_Click, "*", "12", {}},
        {"0.1", "0.2", decadd_Click, "+", "0.3", {}},
        {"1", "3", mecdiv_Click, "/", "0.333333333333333", {}},
        {"12.3", "4.1", mecdiv_Click, "/", "3", {}},
        {" -.5 ", "2E3", decmulti_Click, "*", "-1000", {}},
        {"1E200", "1E200", decmulti_Click, "*", "Infinity", {}},
        {"-1E200", "1E-200", mecdiv_Click, "/", "-Infinity", {}},
        {"1E-200", "1E-200", decmulti_Click, "*", "0", {}},
        {"1", "0", mecdiv_Click, "/", nullptr, FailureKind::DivisionByZero},
        {"0", "0", mecdiv_Click, "/", nullptr, FailureKind::InvalidOperation},
        {"", "1", decadd_Click, "+", nullptr, FailureKind::NotANumber},
        {"1", "", decsub_Click, "-", nullptr, FailureKind::NotANumber},
        {"0,5", "1", decmulti_Click, "*", nullptr, FailureKind::NotANumber},
        {"1e400", "1", decadd_Click, "+", nullptr, FailureKind::OutOfRange},
    };
    for (const auto& row : rows) {
        MemoryForm form;
        form.type(Field::Text20, row.left);
        form.type(Field::Text21, row.right);
        form.type(Field::Text22, "earlier");
        std::vector<Write> expected{{"Label36", row.sign}};
        if (row.failure) {
            try {
                row.click(form);
                ADD_FAILURE() << row.left << row.sign << row.right << " did not fail";
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.kind(), *row.failure) << row.left << row.sign << row.right;
            }
            EXPECT_EQ(form.text(Field::Text22), "earlier");
        } else {
            row.click(form);
            expected.push_back({"Text22", row.result});
        }
        EXPECT_EQ(form.writes(), expected) << row.left << row.sign << row.right;
        EXPECT_EQ(form.caption(Label::Label36), row.sign);
    }
}

TEST(DecimalPanel, ReadsTheLeftOperandFirst)
{
    MemoryForm form;
    form.type(Field::Text20, "left?");
    form.type(Field::Text21, "right?");
    try {
        decadd_Click(form);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "\"left?\" is not a number");
    }
}

TEST(DecimalPanel, SignAndResultCanBelongToDifferentClicks)
{
    MemoryForm form;
    form.type(Field::Text20, "2");
    form.type(Field::Text21, "3");
    decadd_Click(form);
    decadd_Click(form); // nothing accumulates
    const std::vector<Write> twice{
        {"Label36", "+"}, {"Text22", "5"}, {"Label36", "+"}, {"Text22", "5"}};
    EXPECT_EQ(form.writes(), twice);

    form.type(Field::Text21, "");
    EXPECT_THROW(decsub_Click(form), Failure);
    EXPECT_EQ(form.caption(Label::Label36), "-");
    EXPECT_EQ(form.text(Field::Text22), "5");
    EXPECT_EQ(form.text(Field::Text20), "2"); // operands are never rewritten
}

} // namespace
} // namespace vorantis
