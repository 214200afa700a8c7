// The whole course walked by a pupil who knows every answer.
#include "tests/Pupil.h"

#include "screens/auxiliary/Form5.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Label.h"

// A minute and a second at every tag: step 1 holds the introduction and tags 1 and 2.
TEST_F(CourseTest, TheRightAnswersLeadFromTheIntroductionToTheResults) {
    enterCourse();
    for (int tag = 0; tag <= 20; ++tag) {
        ASSERT_EQ(frontTag(), tag);
        wait(61);
        solve(tag);
        ASSERT_EQ(refusals(), 0) << "refused at tag " << tag;
    }
    Form5& results = program->form5();
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.Label14->caption(), QStringLiteral("00:03:03"));
    EXPECT_EQ(results.Label25->caption(), QStringLiteral("00:21:21"));
}
