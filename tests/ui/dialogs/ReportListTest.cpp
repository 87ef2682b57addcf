// The report list's ticks, colours and in-place editors.
#include <QSignalSpy>

#include "DialogTestSupport.h"
#include "ui/widgets/CComboBox4ListCtrl.h"
#include "ui/widgets/CEditBox.h"
#include "ui/widgets/CReportCtrl.h"

namespace dialogtest {
namespace {

TEST(ReportList, SingleChoiceTicksReportEveryChange) {
    CReportCtrl list(7);
    list.setColumns({{"a", 40}, {"b", 40}});
    list.setCheckBoxes(true, true);
    for (int i = 0; i < 3; ++i) list.appendItem({QString(), QString::number(i)});
    QSignalSpy changes(&list, &CReportCtrl::checkChanged);
    list.setChecked(0, true);
    list.setChecked(2, true);
    EXPECT_EQ(list.checkedRow(), 2);
    EXPECT_FALSE(list.isChecked(0));
    // tick 0; untick 0 and tick 2
    ASSERT_EQ(changes.count(), 3);
    EXPECT_EQ(changes[1], (QList<QVariant>{0, false}));
    EXPECT_EQ(changes[2], (QList<QVariant>{2, true}));
    EXPECT_EQ(list.insertItem(99, {QString(), "end"}), 3);
    EXPECT_FALSE(list.deleteItem(-1));
    EXPECT_TRUE(list.deleteItem(0));
    EXPECT_EQ(list.itemText(0, 1), "1");
    list.setRowTextColour(0, Qt::red);
    EXPECT_EQ(list.rowTextColour(0), QColor(Qt::red));
}

TEST(ReportList, EditorsEndOnceAndEscapeDropsTheEdit) {
    CReportCtrl list(7);
    list.setColumns({{"a", 40}, {"b", 40}});
    list.appendItem({"x", "1"});
    QSignalSpy texts(&list, &CReportCtrl::textEditEnded);
    QSignalSpy choices(&list, &CReportCtrl::listEditEnded);

    CEditBox *box = list.editWithText(0, 1, "1");
    box->setText("25");
    box->finish(true);
    box->finish(true);
    ASSERT_EQ(texts.count(), 1);
    EXPECT_EQ(texts[0][2].toString(), "25");
    EXPECT_FALSE(list.isEditing());

    CEditBox *dropped = list.editWithText(0, 1, "1");
    dropped->finish(false);
    EXPECT_EQ(texts.count(), 1);

    CComboBox4ListCtrl *chooser = list.editWithList(0, 0, {"p", "q"}, 0);
    // A second editor ends the first with its shown item.
    list.editWithList(0, 1, {"r"}, 0);
    ASSERT_EQ(choices.count(), 1);
    EXPECT_EQ(choices[0][2].toInt(), 0);
    (void)chooser;
    list.endEdit();
    EXPECT_EQ(choices.count(), 2);
    EXPECT_FALSE(list.isEditing());
}

}  // namespace
}  // namespace dialogtest
