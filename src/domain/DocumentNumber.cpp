#include "domain/DocumentNumber.h"

#include "core/AdmSettings.h"
#include "core/DateUtil.h"

namespace zort {

int documentYear(int rule, const DocumentDates& dates) {
    switch (rule) {
    case 1: return dates::yearOf(QVariant(dates.document));
    case 2: return dates::yearOf(QVariant(dates.registration));
    default: return dates::yearOf(QVariant(dates.accident));
    }
}

int documentYear(const AdmSettings& settings, const DocumentDates& dates) {
    return documentYear(settings.rokSKWProtPow, dates);
}

QString numberWithSymbol(const QString& number, const AdmSettings& settings, const QString& symbol) {
    return settings.symbolWyp ? number + settings.separator + symbol : number;
}

QString numberYearSymbol(const QString& number, int year, const AdmSettings& settings, const QString& symbol) {
    return numberWithSymbol(number + QLatin1Char('/') + QString::number(year), settings, symbol);
}

} // namespace zort
