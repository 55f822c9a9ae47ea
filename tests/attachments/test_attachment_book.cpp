// The book of a document's attachments on a real database, without a window: one
// numbering per owner over own attachments, hearings and orders; what a save writes
// and what it leaves; the save before a move, an addition and a deletion; read-only
// books; closing and opening on another owner.
#include "support/RegisterFixture.h"

#include "attachments/AttachmentBook.h"
#include "core/Formats.h"
#include "db/Dataset.h"
#include "db/DatabaseBuilder.h"
#include "domain/AttachmentStore.h"

#include <QHash>
#include <mutex>
#include <thread>
#include <map>

using namespace zort;
using namespace zort::test;

namespace {

enum Kind { Own = 0, Hearing = 1, Order = 2 };

// A stand-in for the window: the values it holds for each kind's current row, the
// rows it was asked to show, and what the database held of a hearing's surname
// each time it showed a row.
class AttachmentBookTest : public RegisterTest {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        book = std::make_unique<AttachmentBook>(*dm, documentAttachmentKinds());
        book->setCollector([this](int kind) {
            ++collected;
            auto it = held.find(kind);
            return it == held.end() ? AttachmentBook::Pending{} : it->second;
        });
        QObject::connect(book.get(), &AttachmentBook::rowChanged, [this](int kind) { shown << kind; });
    }
    void TearDown() override {
        book.reset();
        RegisterTest::TearDown();
    }

    void hold(int kind, RowValues values, bool touched = false) { held[kind] = {std::move(values), touched}; }
    QVariant cell(const QString& table, const QString& col, int id, const QString& where = QStringLiteral("ID = :id")) {
        return value(QStringLiteral("SELECT ") + col + QStringLiteral(" FROM ") + table + QStringLiteral(" WHERE ") +
                         where,
                     {{"id", id}});
    }
    QVariant own(const QString& col, int id, int accident = 1, int protocol = 11) {
        return value(QStringLiteral("SELECT ") + col +
                         QStringLiteral(" FROM SKWZALACZNIKI WHERE ID = :id AND IDWYPADKU = :a AND IDPROTOKOLU = :p"),
                     {{"id", id}, {"a", accident}, {"p", protocol}});
    }
    int hearingNumber() { return book->list(Hearing)->field(QStringLiteral("NUMER")).asInt(); }

    std::unique_ptr<AttachmentBook> book;
    std::map<int, AttachmentBook::Pending> held;
    int collected = 0;
    QList<int> shown;
    const AttachmentOwner protocolA{1, 11};
    const AttachmentOwner protocolB{1, 12};
};

TEST_F(AttachmentBookTest, OneNumberingPerOwnerAcrossTheKinds) {
    book->open(protocolA, true);
    EXPECT_EQ(book->nextNumber(), 1);
    EXPECT_EQ(book->add(Hearing), 1) << "the first attachment is 1 on any tab";
    book->remove(Hearing);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPRZESLUCHANIE"), 0);

    EXPECT_EQ(book->add(Own), 1);
    EXPECT_EQ(book->add(Hearing), 2);
    EXPECT_EQ(book->add(Order), 3);
    EXPECT_EQ(own("TYTUL IS NULL", 1).toBool(), true);
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "TYP", book->currentId(Hearing)).toInt(), -1);
    EXPECT_EQ(value("SELECT IDWYPADKU || '/' || IDPROTOKOLU || '/' || NUMER FROM SKWPOLECENIE").toString(),
              QStringLiteral("1/11/3"));

    // Deleting number 2 does not give it back; nothing is renumbered.
    EXPECT_TRUE(book->remove(Hearing));
    EXPECT_EQ(book->currentId(Hearing), 0);
    EXPECT_EQ(book->nextNumber(), 4);
    EXPECT_EQ(book->add(Hearing), 4);
    EXPECT_EQ(hearingNumber(), 4);

    // Another protocol of the same accident, and a commuting card whose id is the
    // accident's: numbers of their own.
    book->open(protocolB, true);
    EXPECT_EQ(book->list(Own)->recordCount(), 0);
    EXPECT_EQ(book->add(Own), 1);
    book->open(AttachmentOwner{1, 0}, true);
    EXPECT_EQ(book->add(Own), 1);
    EXPECT_EQ(book->add(Order), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE ID = 1"), 3);
    book->open(protocolA, true);
    EXPECT_EQ(book->nextNumber(), 5);
}

TEST_F(AttachmentBookTest, AnAddedRowIsCurrentByItsKeyAndADeletedRowIsNeverWritten) {
    book->open(protocolA, true);
    for (int i = 0; i < 3; ++i) book->add(Hearing);
    // Keys out of the numbers' order: a later hearing with a smaller key.
    exec("UPDATE SKWPRZESLUCHANIE SET ID = 100 WHERE NUMER = 1");
    book->open(protocolA, true);
    ASSERT_TRUE(book->moveTo(Hearing, 1));
    EXPECT_EQ(hearingNumber(), 2);
    hold(Hearing, {{"NAZWISKO", "Usunięty"}});
    EXPECT_TRUE(book->remove(Hearing));
    EXPECT_EQ(hearingNumber(), 3) << "the row after the deleted one";
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPRZESLUCHANIE WHERE NAZWISKO IS NOT NULL"), 0);

    held.clear();
    EXPECT_EQ(book->add(Hearing), 4);
    EXPECT_EQ(book->currentId(Hearing), 101) << "the table's largest key plus 1";
    EXPECT_EQ(hearingNumber(), 4);
    EXPECT_EQ(dm->currentHearingId(), 101);
    EXPECT_EQ(book->list(Hearing)->recNo(), 2);
}

TEST_F(AttachmentBookTest, WhatASaveWrites) {
    book->open(protocolA, true);
    book->add(Own);
    book->add(Hearing);
    book->add(Order);
    const int hearing = book->currentId(Hearing);
    const int order = book->currentId(Order);
    const QString quoted = QStringLiteral("O'Brien \"Kuba\" – żółć");
    hold(Own, {{"TYTUL", quoted}, ColumnValue{"OPIS", QStringLiteral("wiersz 1\nwiersz 2"), true}});
    hold(Hearing, {{"NAZWISKO", quoted},
                   {"DATAUR", Formats::date(QDate(1980, 3, 4))},
                   {"STAZ", ""},
                   ColumnValue{"ZEZNANIE", QStringLiteral("Zeznanie ' \""), true},
                   {"TYP", -1}});
    RowValues orderValues{{"SYMBOL", "P/1"}, {"TYP", 1}};
    const QStringList memos{"PODTYTUL", "TRESC", "ODPOWIEDZIALNY", "TERMIN", "PRZYCZYNY", "UWAGI", "OTRZYMUJA"};
    for (const QString& m : memos) orderValues << ColumnValue{m, m.toLower() + QStringLiteral(" 'x'"), true};
    hold(Order, orderValues);

    shown.clear();
    ASSERT_TRUE(book->save());
    EXPECT_EQ(own("TYTUL", 1).toString(), quoted);
    EXPECT_EQ(own("OPIS", 1).toString(), QStringLiteral("wiersz 1\r\nwiersz 2"));
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "NAZWISKO", hearing).toString(), quoted);
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "DATAUR", hearing).toDateTime(), at(1980, 3, 4));
    EXPECT_TRUE(cell("SKWPRZESLUCHANIE", "STAZ", hearing).isNull());
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "ZEZNANIE", hearing).toString(), QStringLiteral("Zeznanie ' \""));
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "TYP", hearing).toInt(), 0) << "an unchosen type is stored as 0";
    EXPECT_EQ(cell("SKWPOLECENIE", "TYP", order).toInt(), 1);
    for (const QString& m : memos)
        EXPECT_EQ(cell("SKWPOLECENIE", m, order).toString(), m.toLower() + QStringLiteral(" 'x'")) << m.toStdString();
    EXPECT_EQ(shown, (QList<int>{Own, Hearing, Order})) << "the written rows are shown again";
    EXPECT_EQ(book->currentId(Hearing), hearing);

    // Emptied by the user: stored empty. An untouched empty new row: not written.
    hold(Own, {{"TYTUL", ""}, ColumnValue{"OPIS", QString(), true}}, true);
    book->add(Hearing);
    const int fresh = book->currentId(Hearing);
    hold(Hearing, {{"NAZWISKO", ""}, {"DATAUR", ""}, {"TYP", -1}});
    held.erase(Order);
    ASSERT_TRUE(book->save());
    EXPECT_TRUE(own("TYTUL", 1).isNull());
    EXPECT_TRUE(own("OPIS", 1).isNull());
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "TYP", fresh).toInt(), -1);

    // A chosen type counts as a change of an otherwise empty row.
    hold(Hearing, {{"NAZWISKO", ""}, {"TYP", 1}});
    ASSERT_TRUE(book->save());
    EXPECT_EQ(cell("SKWPRZESLUCHANIE", "TYP", fresh).toInt(), 1);
}

TEST_F(AttachmentBookTest, AMoveSavesTheRowThatWasCurrentBeforeShowingTheNext) {
    book->open(protocolA, true);
    book->add(Hearing);
    book->add(Hearing);
    const int second = book->currentId(Hearing);
    ASSERT_TRUE(book->moveTo(Hearing, 0));
    const int first = book->currentId(Hearing);
    QStringList seen;
    QObject::connect(book.get(), &AttachmentBook::rowChanged, [&](int kind) {
        if (kind == Hearing)
            seen << QStringLiteral("%1:%2").arg(book->currentId(Hearing)).arg(
                        cell("SKWPRZESLUCHANIE", "NAZWISKO", first).toString());
    });
    hold(Hearing, {{"NAZWISKO", "Nowak"}});
    ASSERT_TRUE(book->moveTo(Hearing, 1));
    EXPECT_EQ(seen.last(), QStringLiteral("%1:Nowak").arg(second));
    EXPECT_TRUE(cell("SKWPRZESLUCHANIE", "NAZWISKO", second).isNull());

    // A bad date anywhere: nothing written, the list stays.
    held.clear();
    book->add(Order);
    hold(Hearing, {{"NAZWISKO", "Kowalski"}});
    hold(Order, {{"SYMBOL", "S-1"}, {"DATASP", "31.02.2024"}});
    AttachmentBook::BadDate bad;
    EXPECT_FALSE(book->moveTo(Hearing, 0, &bad));
    EXPECT_EQ(bad.kind, int(Order));
    EXPECT_EQ(bad.column, QStringLiteral("DATASP"));
    EXPECT_EQ(book->currentId(Hearing), second);
    EXPECT_TRUE(cell("SKWPRZESLUCHANIE", "NAZWISKO", second).isNull());
    EXPECT_TRUE(value("SELECT SYMBOL FROM SKWPOLECENIE").isNull());
    EXPECT_EQ(book->add(Own, &bad), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWZALACZNIKI"), 0);
    EXPECT_FALSE(book->save(&bad));

    // A value its column refuses: that row stays as it was, the other kinds are
    // written, the lists on the same rows.
    hold(Order, {{"SYMBOL", "S-1"}});
    hold(Hearing, {{"NAZWISKO", QString(51, QLatin1Char('x'))}});
    EXPECT_FALSE(book->save());
    ASSERT_EQ(1, book->failures().size());
    EXPECT_EQ(int(Hearing), book->failures().at(0).kind);
    EXPECT_EQ(QStringLiteral("NAZWISKO"), book->failures().at(0).column.toUpper());
    EXPECT_TRUE(cell("SKWPRZESLUCHANIE", "NAZWISKO", second).isNull());
    EXPECT_EQ(QStringLiteral("S-1"), value("SELECT SYMBOL FROM SKWPOLECENIE").toString());
    EXPECT_EQ(book->currentId(Hearing), second);
    EXPECT_TRUE(book->list(Hearing)->isOpen());
    // ... and the move it came from stays where it was.
    EXPECT_FALSE(book->moveTo(Hearing, 0));
    EXPECT_EQ(book->currentId(Hearing), second);

    // A row gone meanwhile: rejected like a refused value, the others written.
    hold(Order, {{"SYMBOL", "S-2"}});
    hold(Hearing, {{"NAZWISKO", "Kowalski"}});
    exec("DELETE FROM SKWPRZESLUCHANIE WHERE ID = :id", {{"id", second}});
    EXPECT_FALSE(book->save());
    ASSERT_EQ(1, book->failures().size());
    EXPECT_EQ(int(Hearing), book->failures().at(0).kind);
    EXPECT_TRUE(book->failures().at(0).column.isEmpty());
    EXPECT_EQ(QStringLiteral("S-2"), value("SELECT SYMBOL FROM SKWPOLECENIE").toString());
}

TEST_F(AttachmentBookTest, AReadOnlyBookWritesNothing) {
    book->open(protocolA, true);
    book->add(Own);
    book->add(Hearing);
    book->add(Hearing);
    book->open(protocolA, false);
    EXPECT_FALSE(book->editable());
    hold(Own, {{"TYTUL", "Zmieniony"}}, true);
    hold(Hearing, {{"NAZWISKO", "Zmieniony"}}, true);
    collected = 0;
    EXPECT_TRUE(book->save());
    EXPECT_TRUE(book->moveTo(Hearing, 1));
    EXPECT_EQ(hearingNumber(), 3);
    EXPECT_EQ(book->add(Order), 0);
    EXPECT_FALSE(book->remove(Own));
    EXPECT_EQ(collected, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWZALACZNIKI WHERE TYTUL IS NULL"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPRZESLUCHANIE WHERE NAZWISKO IS NULL"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM SKWPOLECENIE"), 0);
}

TEST_F(AttachmentBookTest, ClosingLowersTheFlagAndOpeningAnotherOwnerWritesNothing) {
    book->open(protocolA, true);
    book->add(Own);
    hold(Own, {{"TYTUL", "Protokół A"}});
    ASSERT_TRUE(book->save());
    book->open(protocolB, true);
    EXPECT_EQ(book->add(Own), 1);
    EXPECT_TRUE(dm->attachmentSaveOnMove());

    // Closed by the title bar: no save; the flag is down and the lists closed.
    book->close();
    EXPECT_FALSE(dm->attachmentSaveOnMove());
    EXPECT_FALSE(book->list(Own)->isOpen());
    EXPECT_EQ(dm->currentOwnAttachmentId(), 0);
    collected = 0;
    book->open(protocolB, true);
    EXPECT_EQ(collected, 0) << "opening never saves";
    EXPECT_TRUE(own("TYTUL", 1, 1, 12).isNull());
    EXPECT_EQ(own("TYTUL", 1).toString(), QStringLiteral("Protokół A"));
    EXPECT_EQ(dm->attachmentAccidentId(), 1);
    EXPECT_EQ(dm->attachmentProtocolId(), 12);
    EXPECT_EQ(dm->currentOwnAttachmentId(), 1);
}

TEST(AttachmentKinds, OfTheDocumentWindow) {
    const auto& kinds = documentAttachmentKinds();
    ASSERT_EQ(kinds.size(), 3u);
    EXPECT_TRUE(kinds[Own].numberIsKey());
    EXPECT_FALSE(kinds[Hearing].numberIsKey());
    EXPECT_EQ(kinds[Order].slotParams.value(6), QStringLiteral("otrzymuja"));
    EXPECT_EQ(kinds[Order].memoParams.value(QStringLiteral("TRESC")), QStringLiteral("tresc"));
}

} // namespace

// Two workstations adding hearings and orders for their own accidents at the same
// moment never draw the same key.
TEST_F(AttachmentBookTest, TwoWorkstationsAddingAtOnceGetDistinctKeys) {
    // The file is used by the two workstations alone.
    book.reset();
    events.reset();
    dm.reset();
    constexpr int kEach = 10;
    QStringList errors;
    std::mutex errorsLock;
    auto workstation = [&](const QString& name, int accident) {
        try {
            Connection conn(QStringLiteral("att-") + name);
            conn.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
            AttachmentStore s(conn);
            for (int i = 0; i < kEach; ++i) {
                s.addHearing(accident, accident + 100);
                s.addOrder(accident, accident + 100);
            }
        } catch (const DbError& e) {
            std::lock_guard<std::mutex> g(errorsLock);
            errors << e.message();
        }
    };
    std::thread a(workstation, QStringLiteral("A"), 1);
    std::thread b(workstation, QStringLiteral("B"), 2);
    a.join();
    b.join();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    Connection check(QStringLiteral("att-check"));
    check.open(db.path(), QString::fromLatin1(kDbUser), QString::fromLatin1(kDbPassword));
    for (const char* table : {"SKWPRZESLUCHANIE", "SKWPOLECENIE"}) {
        EXPECT_EQ(2 * kEach, check.scalar(QStringLiteral("SELECT COUNT(DISTINCT ID) FROM %1").arg(QLatin1String(table))).toInt())
            << table;
        // Each accident's attachments numbered 1.. in one sequence.
        EXPECT_EQ(2 * kEach, check.scalar(QStringLiteral("SELECT MAX(NUMER) FROM %1 WHERE IDWYPADKU = 1")
                                              .arg(QLatin1String(table)))
                                     .toInt() +
                                 (QByteArray(table) == "SKWPRZESLUCHANIE" ? 1 : 0))
            << table;
    }
}

// --- The rules every window's kinds share ------------------------------------------------

namespace {

// A window's kinds: the own attachments, a typed kind, the third kind, and a text
// column of each of the last two.
struct WindowKinds {
    const char* name;
    const std::vector<AttachmentKind>& (*kinds)();
    int own, typed, third;
    const char* typedText;
    const char* thirdText;
};

class AttachmentBookOfEachWindow : public RegisterTest, public ::testing::WithParamInterface<WindowKinds> {
protected:
    void SetUp() override {
        RegisterTest::SetUp();
        book = std::make_unique<AttachmentBook>(*dm, GetParam().kinds());
        book->setCollector([this](int kind) {
            auto it = held.find(kind);
            return it == held.end() ? AttachmentBook::Pending{} : it->second;
        });
    }
    void TearDown() override {
        book.reset();
        RegisterTest::TearDown();
    }
    const AttachmentKind& kind(int k) const { return book->kinds().at(size_t(k)); }
    QVariant column(int k, const char* col) {
        return value(QStringLiteral("SELECT %1 FROM %2 WHERE ID = :id").arg(QLatin1String(col), kind(k).table),
                     {{"id", book->currentId(k)}});
    }
    int number(int k) { return int(book->list(k)->field(kind(k).numberColumn).asInt()); }
    std::unique_ptr<AttachmentBook> book;
    std::map<int, AttachmentBook::Pending> held;
};

} // namespace

TEST_P(AttachmentBookOfEachWindow, OneNumberingPerOwnerTheNewRowCurrentAndDeletedNumbersNotReused) {
    const WindowKinds& w = GetParam();
    book->open({1, 11}, true);
    EXPECT_EQ(1, book->add(w.typed));
    EXPECT_EQ(-1, column(w.typed, "TYP").toInt());
    EXPECT_EQ(2, book->add(w.own));
    EXPECT_EQ(3, book->add(w.third));
    EXPECT_EQ(4, book->add(w.typed));
    EXPECT_EQ(4, number(w.typed)) << "the new row is current";
    EXPECT_EQ(1, book->list(w.typed)->recNo());
    ASSERT_TRUE(book->remove(w.third));
    EXPECT_EQ(5, book->nextNumber());
    book->open({1, 12}, true);
    EXPECT_EQ(1, book->add(w.own));
}

TEST_P(AttachmentBookOfEachWindow, SaveOnMoveClearedTouchedAndReadOnlyRowsAndClosing) {
    const WindowKinds& w = GetParam();
    book->open({1, 11}, true);
    book->add(w.typed);
    book->add(w.typed);
    ASSERT_TRUE(book->moveTo(w.typed, 0));
    const int first = book->currentId(w.typed);
    held[w.typed] = {{{w.typedText, "Nowak"}, {"TYP", -1}}, true};
    ASSERT_TRUE(book->moveTo(w.typed, 1));
    EXPECT_EQ("Nowak", value(QStringLiteral("SELECT %1 FROM %2 WHERE ID = :id").arg(QLatin1String(w.typedText), kind(w.typed).table),
                             {{"id", first}})
                           .toString());
    // An untouched empty row is not written; an emptied one is.
    held[w.typed] = {{{w.typedText, ""}, {"TYP", -1}}, false};
    book->add(w.third);
    held[w.third] = {{{w.thirdText, ""}}, false};
    ASSERT_TRUE(book->save());
    EXPECT_EQ(-1, column(w.typed, "TYP").toInt());
    held[w.third] = {{{w.thirdText, "x"}}, false};
    ASSERT_TRUE(book->save());
    EXPECT_EQ("x", column(w.third, w.thirdText).toString());
    held[w.third] = {{{w.thirdText, ""}}, true};
    ASSERT_TRUE(book->save());
    EXPECT_TRUE(column(w.third, w.thirdText).isNull());

    // Read-only: nothing written, added or deleted; closing lowers the flag.
    book->open({1, 11}, false);
    held[w.third] = {{{w.thirdText, "y"}}, true};
    EXPECT_TRUE(book->save());
    EXPECT_EQ(0, book->add(w.own));
    EXPECT_FALSE(book->remove(w.typed));
    EXPECT_TRUE(column(w.third, w.thirdText).isNull());
    book->close();
    EXPECT_FALSE(dm->attachmentSaveOnMove());
    EXPECT_FALSE(book->list(w.typed)->isOpen());
}

INSTANTIATE_TEST_SUITE_P(Windows, AttachmentBookOfEachWindow,
                         ::testing::Values(WindowKinds{"documents", &documentAttachmentKinds, 0, 1, 2, "NAZWISKO", "SYMBOL"},
                                           WindowKinds{"others", &otherAttachmentKinds, OtherOwn, OtherHearing,
                                                       OtherInspection, "NAZWISKO", "CZASOD"}),
                         [](const ::testing::TestParamInfo<WindowKinds>& i) { return std::string(i.param.name); });

TEST(AttachmentKinds, OfTheOfficersWindow) {
    const auto& kinds = otherAttachmentKinds();
    ASSERT_EQ(kinds.size(), 3u);
    EXPECT_TRUE(kinds[OtherOwn].numberIsKey());
    EXPECT_EQ(QStringLiteral("WypZalOgledzPol"), kinds[OtherInspection].printKind);
    EXPECT_EQ(QStringLiteral("Zabezpieczono"), kinds[OtherInspection].slotParams.value(5));
    EXPECT_FALSE(kinds[OtherInspection].typed);
    EXPECT_TRUE(kinds[OtherHearing].typed);
}
