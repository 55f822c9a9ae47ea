#pragma once
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace zort {

class Connection;
class Dataset;
class OrgStructure;

// Copying an injured person's data from the suite's employee register: the person
// (ODANOS) and one of the person's employments on a work position (OPRACOW with its
// position, occupation and contract). The copy gives named values; a page turns them
// into the texts of its own controls by a copy map, so that every entry page that
// copies a person uses the same reading and rules with its own control names.

// The values a copy gives.
enum class CopyValue {
    PersonId, Pesel, Surname, FirstName, Sex, FatherName, BirthDate, BirthPlace, Nip, PostCode, Town, Province,
    Street, House, Flat,
    IdentityDocument,  // "Dowód osobisty " / "Paszport " / nothing, followed by the number
    DocumentKind, DocumentSeries, DocumentNumber,  // the document split: kind, series (up to the first digit), number
    FullName,          // first name + " " + surname
    Rank,              // the service rank (STOPSL)
    IdentityCardNumber,  // the document number of an identity card (type 1), empty for another document
    // Of the employment chosen (cleared, the position id and staż "0", without one):
    OccupationCode, OccupationName, PositionCode, PositionId, PositionName, ElementAtLevel, ContractId, ContractName,
    TrainingInitial, TrainingInstruction, TrainingBasic, TrainingPeriodic,  // "t" checked, "n" not
    Seniority,
    // Of the top element of the position's structure (only with an employment):
    EmployerName, EmployerPkd, EmployerRegon, EmployerAddress, EmployerNip,
};

// One control a copy writes: the value, the control's name and the length the text
// is cut to (0: whole).
struct CopyTarget {
    CopyValue value;
    QString control;
    int length = 0;
};
using CopyMap = QList<CopyTarget>;

// The map of the injured person of an accident at work ("Dane osobowe", "Dane o
// zatrudnieniu", the protocol's confirming persons).
const CopyMap& injuredPersonCopyMap();
// The map of the injured person of a commuting accident (its document split into
// kind, series and number; the employer's identifiers go to the payer's).
const CopyMap& commutingPersonCopyMap();

// The map of an injured officer of an accident in service ("Dane osobowe"): the person
// alone, each text cut to its column.
const CopyMap& serviceOfficerCopyMap();

// The texts of the controls of the map that the values give, in the map's order; a
// value the copy did not give leaves its control out (unchanged).
QList<std::pair<QString, QString>> applyCopyMap(const CopyMap& map, const QHash<CopyValue, QString>& values);

struct TStrukt;
// The values of a position chosen in the position picker: the position, the element
// at the configured level and the employer (the top element).
QHash<CopyValue, QString> positionValues(const TStrukt& position, const QString& elementAtLevel, const TStrukt& top);

// A person of the register.
struct RegisterPerson {
    int id = 0;
    QString surname, firstName, pesel, father, birthPlace, nip, postCode, town, province, street, house, flat;
    QString rank;  // STOPSL
    QString documentNumber;
    int sex = 0;
    int documentType = 0;
    QDateTime born;  // invalid when none
};

// One employment of a person on a work position.
struct PersonEmployment {
    int positionId = 0;
    int parentId = 0;  // the unit above the position
    QString positionCode, positionName;
    QString occupationCode, occupationName;
    QString contractId;  // empty when none
    QDateTime employedFrom;  // invalid when none
    QString trainings[4];    // SZKWSTEPNE, SZKINSTR, SZKPODST, SZKOKRES
};

struct PersonCopySettings {
    int edition = 0;          // the occupation classification in use (KZS)
    QDateTime referenceDate;  // chooses the contract dictionary
    QDate today;              // staż counts to its year
    // A user restricted to the visible structure (AOsobWysw 0) sees only the
    // employments on positions of the visible-structure table (none without it).
    bool restricted = false;
    QString structureTable;
};

class PersonCopy {
public:
    PersonCopy(Connection& c, const OrgStructure& structure, PersonCopySettings settings);

    std::optional<RegisterPerson> readPerson(int personId) const;
    // A person whose surname equals the surname stored for the injured person is
    // not copied (even when it is another person).
    static bool copiesPerson(const RegisterPerson& person, const QString& storedSurname);

    // The person's employments on work positions, the earliest first. The occupation
    // dictionary is chosen by the occupation id of the person's first employment:
    // below 1100001 the new classification, from 1100001 the old list (DZAWODY); a
    // person without any employment row reads the edition in use.
    std::vector<PersonEmployment> readEmployments(int personId) const;
    // Opens the dataset on the person's employments (the statement readEmployments
    // reads); it stays closed for a restricted user without the visible structure.
    void openEmployments(Dataset& ds, int personId) const;
    // The dictionary the employments of a person are read with: by the first
    // employment's occupation id, or by the edition for a person without one.
    static QString occupationTableFor(std::optional<qint64> firstOccupationId, int edition);
    // The statement of the employments with the occupation table (the person bound
    // as :IdPrac; restricted users with the visible-structure table).
    static QString employmentSql(const QString& occupationTable, const QString& structureTable);

    // The line of the employment choice: the short names from the top of the
    // structure to the position's unit and the position's, joined by " || ".
    QString employmentLine(const PersonEmployment& e) const;

    // The values of the person with the employment (or none) and the level of
    // "Zatrudniony w".
    QHash<CopyValue, QString> values(const RegisterPerson& person, const PersonEmployment* employment, int level) const;
    static QHash<CopyValue, QString> personValues(const RegisterPerson& person);

    // The contract's short name (SKWUMOWY, or SKWUMOWY_1 after 2000-12-31).
    QString contractName(const QString& contractId) const;

private:
    QString employmentTableOf(int personId) const;
    static std::vector<PersonEmployment> readEmploymentRows(Dataset& ds, bool oldList);
    Connection& m_c;
    const OrgStructure& m_structure;
    PersonCopySettings m_s;
};

// "Dowód osobisty " (1), "Paszport " (2), nothing for another type.
QString identityDocumentPrefix(int documentType);
// Staż: the years from the year the employment began to the year of today; "0"
// for an employment without a begin date.
QString seniorityText(const QDateTime& employedFrom, const QDate& today);

} // namespace zort
