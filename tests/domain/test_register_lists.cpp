// The list of a register year read on demand: a year of 5,000 accidents at work, the
// list and its model after additions and deletions against a fresh reading.
#include "support/RegisterFixture.h"

#include "db/DatasetModel.h"

using namespace zort;
using namespace zort::test;

namespace {

class RegisterLists : public RegisterTest {
protected:
    static constexpr int kAccidents = 5000;
    void SetUp() override {
        RegisterTest::SetUp();
        Transaction t(c());
        PreparedStatement a(c(), "INSERT INTO SKWWYPADKI (ID, NUMER, DATA, DATAREJWYP, SYMBOLWYP, POSZKODOWANI, WYPIZ) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)");
        PreparedStatement p(c(), "INSERT INTO SKWPOSZKODOWANI (ID, IDWYPADKU, NUMERKARTY, NUMERPROT, TYPWYP, DNINIEZDR) "
                                 "VALUES (?, ?, ?, ?, 0, ?)");
        int person = 0;
        for (int id = 1; id <= kAccidents; ++id) {
            const QDateTime date = at(2024, 1, 1).addDays((id - 1) * 360 / kAccidents);
            const int persons = id % 5 == 0 ? 2 : 1;
            a.execute(QVariantList{id, id, date, date, QStringLiteral("S%1").arg(id % 7), persons, persons > 1 ? 1 : 0});
            for (int k = 0; k < persons; ++k, ++person)
                p.execute(QVariantList{person + 1, id, person + 1, person + 1, (id * 7 + k) % 40});
        }
        t.commit();
        admSettings().symbolWyp = true;
        admSettings().separator = QStringLiteral("/");
        dm->setNumberSymbol(true, QStringLiteral("/"));
    }
    // Every row of a list as its model shows it: number with symbol, count, total.
    static QStringList rows(DatasetModel& m) {
        while (m.canFetchMore(QModelIndex())) m.fetchMore(QModelIndex());
        QStringList out;
        for (int r = 0; r < m.rowCount(); ++r) {
            QStringList cells;
            for (int col = 0; col < m.columnCount(); ++col) cells << m.data(m.index(r, col), Qt::DisplayRole).toString();
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    // The first row where two lists differ, for a readable failure.
    static void expectSameRows(const QStringList& expected, const QStringList& actual) {
        EXPECT_EQ(expected.size(), actual.size());
        for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
            if (expected.at(i) != actual.at(i)) {
                ADD_FAILURE() << "row " << i << ": " << expected.at(i).toStdString() << " != " << actual.at(i).toStdString();
                return;
            }
    }
    static std::unique_ptr<DatasetModel> modelOf(Dataset* list) {
        return std::make_unique<DatasetModel>(
            list, std::vector<DatasetModel::Column>{{"ID", "ID", {}, false}, {"nr_symbol", "NUMER", {}, false}, {"POSZKODOWANI", "POSZKODOWANI", {}, false},
                                                    {"WYPIZ", "WYPIZ", {}, false}, {"SUM", "SUM", {}, false}});
    }
};

} // namespace

TEST_F(RegisterLists, ChangedListEqualsAFreshReadingOfTheYear) {
    const QDateTime year(QDate(2024, 6, 1), QTime(12, 0));
    dm->OpenRegister(year);
    Dataset* list = dm->qrySKWWypadki;
    auto model = modelOf(list);
    QStringList inserted;
    QObject::connect(model.get(), &QAbstractItemModel::rowsInserted, model.get(),
                     [&](const QModelIndex&, int first, int last) { inserted << QStringLiteral("%1-%2").arg(first).arg(last); });
    // Only what is shown is read; the view asks for more as it scrolls.
    EXPECT_EQ(TDataModForm::kListBlock, list->recordCount());
    EXPECT_EQ(TDataModForm::kListBlock, model->rowCount());
    ASSERT_TRUE(model->canFetchMore(QModelIndex()));
    model->fetchMore(QModelIndex());
    EXPECT_EQ(2 * TDataModForm::kListBlock, model->rowCount());
    EXPECT_EQ(QStringList{QStringLiteral("100-199")}, inserted);
    EXPECT_EQ(1, dm->accidentId());
    EXPECT_EQ(dm->qrySKWPoszkodowani->recordCount(), 1);

    // A deleted accident not read yet never comes; one read leaves at once.
    ASSERT_TRUE(dm->DeleteAccident(4000));
    ASSERT_TRUE(dm->DeleteAccident(150));
    EXPECT_EQ(2 * TDataModForm::kListBlock - 1, model->rowCount());
    EXPECT_EQ(-1, list->find("ID", 150));

    // Injured persons added to and deleted from the current accident (it had two):
    // its count, kind and total on its row.
    ASSERT_TRUE(list->locate("ID", 11));
    dm->AddInjuredPerson();
    ASSERT_EQ(11, dm->accidentId());
    EXPECT_EQ(2, list->field("POSZKODOWANI").asInt());
    EXPECT_EQ(1, list->field("WYPIZ").asInt());
    EXPECT_EQ(2, dm->qrySKWPoszkodowani->recordCount());
    // Days changed meanwhile on another computer show with the row read again.
    exec("UPDATE SKWPOSZKODOWANI SET DNINIEZDR = DNINIEZDR + 9 WHERE IDWYPADKU = 10");
    ASSERT_TRUE(list->locate("ID", 10));
    const int sum = list->field("SUM").asInt();
    dm->AddInjuredPerson();
    EXPECT_EQ(sum + 18, list->field("SUM").asInt());
    EXPECT_EQ(3, list->field("POSZKODOWANI").asInt());
    EXPECT_EQ(list->recNo(), list->find("ID", 10));
    EXPECT_EQ(3, dm->qrySKWPoszkodowani->recordCount());
    ASSERT_TRUE(dm->DeleteInjuredPerson(10, dm->personId()));
    EXPECT_EQ(2, list->field("POSZKODOWANI").asInt());

    // A new accident takes the next number and the list stands on it: the rows before
    // it are read on the way.
    dm->AddAccident();
    const int added = dm->accidentId();
    EXPECT_EQ(added, list->field("ID").asInt());
    EXPECT_EQ(kAccidents + 1, list->field("NUMER").asInt());
    EXPECT_EQ(list->recordCount() - 1, list->recNo());
    EXPECT_EQ(1, dm->qrySKWPoszkodowani->recordCount());
    EXPECT_EQ(list->recordCount(), model->rowCount());
    ASSERT_TRUE(dm->DeleteAccident(3));

    // The same rows, numbers and totals as a fresh reading of the year.
    const QStringList changed = rows(*model);
    EXPECT_EQ(kAccidents - 3 + 1, changed.size());
    TDataModForm fresh(db.connect(QStringLiteral("KARTY2")));
    fresh.setNumberSymbol(true, QStringLiteral("/"));
    fresh.OpenRegister(year);
    auto freshModel = modelOf(fresh.qrySKWWypadki);
    expectSameRows(rows(*freshModel), changed);

    // Reopened, it reads a block again and equals the fresh reading too.
    dm->OpenRegister(year);
    EXPECT_EQ(TDataModForm::kListBlock, model->rowCount());
    expectSameRows(changed, rows(*model));
}
