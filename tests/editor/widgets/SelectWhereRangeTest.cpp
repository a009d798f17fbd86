// 条件選択 keeps a number typed past its range and says the range on OK.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>

#include "DocFixture.h"
#include "app/StartUp.h"
#include "editor/widgets/DlgSelectWhere.h"
#include "widgets/DialogTestSupport.h"
#include "widgets/WhenModal.h"

TEST(SelectWhereRange, DigitsPastTheRangeAreKeptAndRefusedWithTheRange) {
    InitVorelApplication();
    DocFixture f;
    ASSERT_TRUE(f.load("VORELDATA V3.0\r\na,,x,,,<00\r\nb,,y,,,<00\r\nc,,z,,,<00\r\n"));
    CLSDlgSelectWhere dialog(f.doc, f.settings, nullptr);
    dialog.show();
    activate(&dialog);
    QSpinBox* from = dialog.fromBox();
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, "99");
    EXPECT_EQ(from->text(), QString("99")) << "no digit dropped";
    QString said;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        said = box->text();
        box->accept();
    });
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(said, U("開始は 1 ～ 3 の間で指定してください。"));
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays for another number";
    EXPECT_EQ(dialog.result(), 0);

    // The arrows keep to the range.
    activate(&dialog);
    from->setValue(3);
    QTest::keyClick(from, Qt::Key_Up);
    EXPECT_EQ(from->value(), 3);
}
