#pragma once
#include "db/Params.h"

#include <QString>
#include <vector>

namespace zort {

class Connection;

// The search for accidents at work by their injured persons. Names match whole,
// ignoring case; the numbers match exactly. Every typed text is bound as a
// parameter.
struct AccidentSearch {
    QString surname;      // "Nazwisko"
    QString firstName;    // "Imię"
    QString cardNumber;   // "Nr SKW": NUMERKARTY
    QString protocol;     // "Nr protokołu": NUMERPROT
    QString accidentCard; // "Nr karty wyp.": NUMERKARTYWYP

    enum class Outcome { Found, NoCriteria, BadNumber, NothingFound };
    struct Result {
        Outcome outcome = Outcome::NothingFound;
        std::vector<int> accidents;  // IDWYPADKU of each injured person found, in key order
    };

    bool empty() const;
    // The statement and its parameters; empty when no field is filled. A number field
    // that does not hold a whole number makes `badNumber` true.
    QString statement(Params& params, bool* badNumber = nullptr) const;
    // Runs the search. A name with characters outside the database's code page counts
    // as a bad number, as a number field that holds no whole number does; a failure
    // of the database (a lost connection too) is thrown.
    Result run(Connection& c) const;

private:
    // Whether the names can be compared with their columns at all: the database's
    // code page holds their characters.
    bool comparable() const;

public:
    static QString noCriteriaMessage() { return QStringLiteral("Brak kryteriów wyszukiwawczych"); }
    static QString badNumberMessage() { return QStringLiteral("Niepoprwny format danych"); }
    static QString nothingFoundMessage() { return QStringLiteral("Brak danych dla podanych wartości"); }
};

} // namespace zort
