#include "printing/vehicle_data_sheet.h"

RecordSheet vehicleDataSheet(const KfzRecord& shown)
{
    const auto row = [](const char* label, const QString& value) {
        return QStringList{QString::fromUtf8(label), value};
    };
    const QList<QStringList> rows = {
        row("KfzNr:", shown[KfzNr]),
        row("Amtl. Kennzeichen:", shown[Kennzeichen]),
        row("Erstzulassung Monat/Jahr:", shown[ErstzulMonat] + u'.' + shown[ErstzulJahr]),
        row("Schlüsselnummer 2.1:", shown[SchlNr21]),
        row("Schlüsselnummer zu 2:", shown[SchlNr22]),
        row("Hersteller:", shown[Hersteller]),
        row("Typ:", shown[Typ]),
        row("Hubraum ccm:", shown[Hubraum]),
        row("KW:", shown[LeistungKW]),
        row("PS:", shown[LeistungPS]),
        row("Abgasnorm:", shown[Abgasnorm]),
        row("CO2 g/km:", shown[CO2Emission]),
        row("Nächste HU:", shown[NaechsteHU]),
        row("Kraftstoffart:", shown[Kraftstoff]),
        row("Plakette:", shown[Plakette]),
        row("Aktueller Kmstand:", shown[AktuellerKm]),
        row("Nächste Wartung bei Km:", shown[WartungKm]),
    };
    return kfzdatenSheet(QStringLiteral("Kfzdaten"), rows);
}
