// What Windows hears at once: a pick and a removal are raised as UI Automation notifications (Qt's
// announcement event) on behalf of the reading text and of the list, while the focus stays where it is.
#include "tests/Pupil.h"

#include "toolkit/ListView.h"
#include "toolkit/TextArea.h"

#include <QAccessibleEvent>

using namespace Qt::StringLiterals;

namespace {

struct Heard {
    QObject* on;
    QString message;
};

class Announcements : public CourseTest {
  protected:
    void SetUp() override {
        heard().clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Announcement) {
                heard().append(
                    {event->object(), static_cast<QAccessibleAnnouncementEvent*>(event)->message()});
            }
        });
        CourseTest::SetUp();
    }
    void TearDown() override {
        CourseTest::TearDown();
        QAccessible::installUpdateHandler(nullptr);
    }
    // Qt's update handler is a plain function, so what it hears is kept where it can reach it.
    static QList<Heard>& heard() {
        static QList<Heard> all;
        return all;
    }
};

TEST_F(Announcements, APickAndARemovalAreHeardOnBehalfOfTheirControls) {
    Form1& main = enterCourse();
    walkTo(1);
    const int car = static_cast<int>(main.Text3->text().indexOf(u"Car Radovan"_s));
    ASSERT_TRUE(pupil::clickCaret(main.Text3, car + 2));
    ASSERT_EQ(heard().size(), 1);
    EXPECT_EQ(heard().last().on, main.Text3);
    EXPECT_EQ(heard().last().message, u"Dodata reč: Car. Odabrane reči: 1."_s);

    main.ListView1->select(1);
    pupil::click(main.Command4);
    ASSERT_EQ(heard().size(), 2);
    EXPECT_EQ(heard().last().on, main.ListView1);
    EXPECT_EQ(heard().last().message, u"Uklonjena reč: Car. Odabrane reči: 0."_s);
    EXPECT_TRUE(main.findChildren<QWidget*>(u"Notice"_s).isEmpty()) << "nothing is shown for it";
}

} // namespace
