// The number card refuses what the settings do not take.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>

#include "editor/widgets/Card.h"
#include "editor/widgets/CardSettings.h"
#include "widgets/EditorWindow.h"
#include "widgets/WhenModal.h"

namespace {

const char* kFile =
    "VORELDATA V3.0\r\n"
    "$InputFieldHeight=3\r\n"
    "$TimeLimit=10\r\n"
    "問,,x,,,<00\r\n";

}  // namespace

TEST(CardNumber, AValueOutOfRangeIsRefusedWithTheProgramsMessage) {
    EditorWindow e(kFile);
    e.key(Qt::Key_F7);
    e.editor().selectLine(0);
    auto* card = qobject_cast<CLSCardNumber*>(e.editor().card()->page());
    ASSERT_NE(card, nullptr);
    QLabel* unit = nullptr;
    for (QLabel* label : card->findChildren<QLabel*>()) {
        if (label->text() == U("行") || label->text() == U("秒")) unit = label;
    }
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->text(), U("行")) << "the height counts lines";
    EXPECT_TRUE(unit->isVisible());

    QString said;
    // The box is modal: leaving the field returns once it is answered.
    auto typeAndLeave = [&](const char* value, bool refused = true) {
        said.clear();
        QLineEdit* field = card->findChildren<QLineEdit*>().first();
        activate(e.window.get());  // the offscreen platform does not after a box
        field->setFocus();
        field->selectAll();
        e.type(value);
        if (refused) {
            whenModal<QMessageBox>([&](QMessageBox* box) {
                said = box->text();
                box->accept();
            });
        }
        e.editor().list()->setFocus();
        return field;
    };
    QLineEdit* field = typeAndLeave("999999999");
    EXPECT_EQ(said, U("答え入力欄の高さは 1 ～ 100 の間で指定してください。"));
    EXPECT_EQ(field->text(), QString("3")) << "the kept value shows again";
    typeAndLeave("0");
    EXPECT_FALSE(said.isEmpty());
    typeAndLeave("100", false);

    e.editor().selectLine(1);
    ASSERT_EQ(e.editor().card()->page(), card) << "the card is reused";
    EXPECT_EQ(unit->text(), U("秒"));
    typeAndLeave("32768");
    EXPECT_EQ(said, U("制限時間は 0 ～ 32767 の間で指定してください。"));
    e.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(e.file().find("$InputFieldHeight=100\r\n$TimeLimit=10\r\n"), std::string::npos)
        << e.file();
}
