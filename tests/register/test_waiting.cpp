// The main window while another workstation holds a row: the waiting window says
// why, "Przerwij" gives the command up, nothing typed is lost and nothing half done
// is written.
#include "MainWindowFixture.h"

#include "db/DatabaseWait.h"
#include "db/NumberLock.h"
#include "ui/WaitWindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace zort;
using namespace zort::test;

namespace {

// Presses "Przerwij" as soon as the waiting window says what it waits for, and
// keeps what it said.
class Stopper {
public:
    Stopper() {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this]() {
            auto* window = dynamic_cast<TfrmOczekiwanie*>(DatabaseWait::watcher());
            if (!window || !window->isVisible() ||
                window->reasonLabel()->text() == DatabaseWait::waitingText(WaitReason::Unknown))
                return;
            seen << window->reasonLabel()->text();
            window->stopButton()->click();
        });
        m_timer.start();
    }
    QStringList seen;

private:
    QTimer m_timer;
};

class Waiting : public OpenAccidentTest {
protected:
    void SetUp() override {
        OpenAccidentTest::SetUp();
        installWaitWindow();
        DatabaseWait::setQuietTime(200);
        holder = db.connect(QStringLiteral("holder"));
        ui.clear();
    }
    void TearDown() override {
        holder.reset();
        DatabaseWait::setWatcher(nullptr);
        DatabaseWait::setQuietTime(2000);
        OpenAccidentTest::TearDown();
    }
    // Another workstation changes the accident's row and has not committed.
    void holdAccident() {
        holder->begin();
        holder->execute(QStringLiteral("UPDATE SKWWYPADKI SET BLOK = BLOK WHERE ID = :id"), Params{{"id", id}});
    }
    std::unique_ptr<Connection> holder;
};

TEST_F(Waiting, ARowHeldElsewhereIsShownGivenUpAndSavedOnceFree) {
    w->showSubPage(Register::AtWork, 1);
    ASSERT_TRUE(editing());
    edit("ewSymbolWyp")->setText(QStringLiteral("ZX"));
    holdAccident();
    {
        Stopper stopper;
        w->button("sbZapiszBtn")->trigger();
        EXPECT_EQ(stopper.seen, QStringList{DatabaseWait::waitingText(WaitReason::Lock)});
    }
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Błąd przy zapisie danych !!!\r\n") +
                                      DatabaseWait::cancelledText(WaitReason::Lock)});
    EXPECT_EQ("ZX", edit("ewSymbolWyp")->text());
    EXPECT_TRUE(editing());
    EXPECT_TRUE(accidentValue("SYMBOLWYP").toString().isEmpty());
    holder->commit();
    ui.clear();
    w->button("sbZapiszBtn")->trigger();
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_EQ("ZX", accidentValue("SYMBOLWYP").toString());

    // Opening a held accident: given up, the list stays.
    w->showSubPage(Register::AtWork, 0);
    holdAccident();
    ui.clear();
    {
        Stopper stopper;
        w->showSubPage(Register::AtWork, 1);
        EXPECT_EQ(stopper.seen, QStringList{DatabaseWait::waitingText(WaitReason::Lock)});
    }
    EXPECT_EQ(0, w->subPage(Register::AtWork));
    EXPECT_EQ(ui.texts(), QStringList{DatabaseWait::cancelledText(WaitReason::Lock)});
    holder->rollback();
}

TEST_F(Waiting, TheNumberingHeldElsewhereStopsAnAdditionWhichSaysSo) {
    holder->begin();
    holder->execute(QStringLiteral("UPDATE SKWNUMERACJA SET ZMIANY = ZMIANY WHERE TABELA = 'SKWWYPADKI'"));
    {
        Stopper stopper;
        w->button("DodWypBtn")->trigger();
        EXPECT_EQ(stopper.seen, QStringList{DatabaseWait::waitingText(WaitReason::Lock)});
    }
    EXPECT_EQ(ui.texts(), QStringList{NumberLock::cancelledMessage(WaitReason::Lock)});
    EXPECT_EQ(1, accidentCount());
    holder->commit();
    ui.clear();
    w->button("DodWypBtn")->trigger();
    EXPECT_TRUE(ui.shown.empty()) << ui.lastText().toStdString();
    EXPECT_EQ(2, accidentCount());
}

} // namespace
