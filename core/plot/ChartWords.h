#pragma once

#include "model/Catalogue.h"
#include "model/Translatable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The words of the activity charts: French unless the window passes those of its own language.
// %1 and %2 stand for what is filled in; "\u00a0" is a no-break space, "\u202f" a narrow one.
struct ChartWords
{
    // A text after a count: `one` for the counts that take the singular, `many` for the others.
    struct Counted
    {
        std::string one;
        std::string many;
    };

    // French counts take the plural from 2 on; most languages from any count but 1.
    bool pluralFromTwo = true;
    // Between the whole and the decimals of every number of the chart, its axes' included.
    std::string decimalMark = VELMORA_TRANSLATABLE("ActivityChart", ",");
    // The reactions' names, by their number.
    std::array<std::string, reactionCatalogue.size()> reactionNames = [] {
        std::array<std::string, reactionCatalogue.size()> names;
        for (std::size_t reaction = 0; reaction < names.size(); ++reaction) {
            names[reaction] = std::string(reactionName(static_cast<std::int32_t>(reaction)));
        }
        return names;
    }();
    std::string listComma = VELMORA_TRANSLATABLE("ActivityChart", ", ");

    std::string temperatureTitle = VELMORA_TRANSLATABLE("ActivityChart", "Température (°C)");
    std::string phTitle = VELMORA_TRANSLATABLE("ActivityChart", "pH");
    std::string enzymeTitle = VELMORA_TRANSLATABLE("ActivityChart", "Quantité d’enzyme (molécules)");
    std::string substrateTitle = VELMORA_TRANSLATABLE("ActivityChart", "Quantité de substrat (molécules)");
    std::string thiolactoseTitle =
        VELMORA_TRANSLATABLE("ActivityChart", "Quantité de thiolactose (molécules)");
    std::string otherSpeciesTitle = VELMORA_TRANSLATABLE("ActivityChart", "Autre espèce (molécules)");
    std::string initialRateTitle = VELMORA_TRANSLATABLE("ActivityChart", "Vitesse initiale (molécules/s)");
    std::string halfTimeTitle = VELMORA_TRANSLATABLE("ActivityChart", "Demi-temps (s)");
    std::string leftTitle = VELMORA_TRANSLATABLE("ActivityChart", "Substrat restant (%)");

    std::string temperatureValue = VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0°C");
    std::string phValue = VELMORA_TRANSLATABLE("ActivityChart", "pH\u00a0%1");
    Counted enzymes{VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0"
                                                          "enzyme"),
                    VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0"
                                                          "enzymes")};
    Counted substrateMolecules{VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0molécule de substrat"),
                               VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0molécules de substrat")};
    Counted otherSpeciesMolecules{
        VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0molécule de l’autre espèce"),
        VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0molécules de l’autre espèce")};
    std::string noThiolactose = VELMORA_TRANSLATABLE("ActivityChart", "sans thiolactose");
    // The box, when it is not the default one.
    std::string volumeValue = VELMORA_TRANSLATABLE("ActivityChart", "volume de la boîte %1\u00a0%");
    std::string boxValue = VELMORA_TRANSLATABLE("ActivityChart", "boîte de %1\u00a0×\u00a0%2\u00a0pixels");
    Counted thiolactoseMolecules{VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0molécule de thiolactose"),
                                 VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0molécules de thiolactose")};

    std::string vmaxLine =
        VELMORA_TRANSLATABLE("ActivityChart", "Vmax\u00a0=\u00a0%1\u00a0±\u00a0%2\u00a0molécules/s");
    std::string kmLine =
        VELMORA_TRANSLATABLE("ActivityChart", "Km\u00a0=\u00a0%1\u00a0±\u00a0%2\u00a0molécules");
    std::string residualLine =
        VELMORA_TRANSLATABLE("ActivityChart", "Erreur résiduelle\u202f: %1\u00a0molécules/s");
    std::string fitImpossible =
        VELMORA_TRANSLATABLE("ActivityChart", "Ajustement de Michaelis-Menten impossible\u202f: %1");
    std::string competitiveTitle = VELMORA_TRANSLATABLE("ActivityChart", "Modèle compétitif (un seul Vmax)");
    std::string kiLine =
        VELMORA_TRANSLATABLE("ActivityChart", "Ki\u00a0=\u00a0%1\u00a0±\u00a0%2\u00a0molécules");
    // That of the same points, the curves fitted one by one (to compare with the residual error).
    std::string separateResidualLine =
        VELMORA_TRANSLATABLE("ActivityChart", "(courbes ajustées une à une\u202f: %1)");
    std::string competitiveImpossible =
        VELMORA_TRANSLATABLE("ActivityChart", "Modèle compétitif impossible\u202f: %1");
    std::string noInhibition = VELMORA_TRANSLATABLE(
        "ActivityChart", "Km ne s’élève pas nettement avec l’inhibiteur, Ki reste indéterminé");
    std::string tooFewPoints = VELMORA_TRANSLATABLE(
        "ActivityChart", "trop peu de quantités de substrat donnent une vitesse (il en faut 3)");
    std::string noReaction = VELMORA_TRANSLATABLE("ActivityChart", "aucune vitesse n’est positive");
    std::string notRising = VELMORA_TRANSLATABLE("ActivityChart", "la vitesse ne croît pas vers un plateau");
    std::string noCurvature = VELMORA_TRANSLATABLE(
        "ActivityChart", "la courbe ne s’infléchit pas assez, Km et Vmax restent indéterminés");
    std::string noConvergence = VELMORA_TRANSLATABLE("ActivityChart", "le calcul n’a pas abouti");

    Counted initialRateNote{
        VELMORA_TRANSLATABLE(
            "ActivityChart",
            "Vitesse initiale\u202f: substrat transformé par seconde pendant les %1\u00a0première seconde."),
        VELMORA_TRANSLATABLE("ActivityChart",
                             "Vitesse initiale\u202f: substrat transformé par seconde pendant les "
                             "%1\u00a0premières secondes.")};
    std::string initialRateShareNote = VELMORA_TRANSLATABLE(
        "ActivityChart", "Vitesse initiale\u202f: substrat transformé par seconde, du départ jusqu’à ce que "
                         "%1\u00a0% du substrat de départ le soit.");
    // %2 the share, %3 the run's seconds.
    Counted cutShortNote{
        VELMORA_TRANSLATABLE("ActivityChart",
                             "Mesure écourtée pour %1\u00a0point\u202f: %2\u00a0% du substrat n’y est pas "
                             "transformé en %3\u00a0s, la vitesse est prise sur toute l’expérience."),
        VELMORA_TRANSLATABLE("ActivityChart",
                             "Mesure écourtée pour %1\u00a0points\u202f: %2\u00a0% du substrat n’y est pas "
                             "transformé en %3\u00a0s, la vitesse est prise sur toute l’expérience.")};
    std::string durationNote =
        VELMORA_TRANSLATABLE("ActivityChart", "Durée de chaque expérience\u202f: %1\u00a0s.");
    // Written only when every point has several experiments.
    std::string replicatesNote =
        VELMORA_TRANSLATABLE("ActivityChart", "Chaque point\u202f: moyenne de %1\u00a0"
                                              "expériences\u202f; barres\u202f: ±\u00a0un écart type.");
    Counted omittedNote{
        VELMORA_TRANSLATABLE("ActivityChart",
                             "Demi-temps non atteint dans toutes les expériences\u202f: %1\u00a0point omis."),
        VELMORA_TRANSLATABLE(
            "ActivityChart",
            "Demi-temps non atteint dans toutes les expériences\u202f: %1\u00a0points omis.")};

    std::string lineweaverBurkTitle =
        VELMORA_TRANSLATABLE("ActivityChart", "Représentation de Lineweaver-Burk");
    std::string lineweaverBurkX = VELMORA_TRANSLATABLE("ActivityChart", "1/S (1/molécule)");
    std::string lineweaverBurkY = VELMORA_TRANSLATABLE("ActivityChart", "1/v (s/molécule)");
    std::string lineweaverBurkFromFit = VELMORA_TRANSLATABLE(
        "ActivityChart",
        "Droites de Km et Vmax ajustés\u202f: 1/v\u00a0=\u00a0(Km/Vmax)\u00a0×\u00a0(1/S)\u00a0+\u00a0"
        "1/Vmax\u202f; points\u202f: 1/(vitesse moyenne).");
    std::string lineweaverBurkCompetitive = VELMORA_TRANSLATABLE(
        "ActivityChart", "Tirets\u202f: modèle compétitif, ses droites se coupent sur l’axe 1/v.");
    Counted leftOutNote{
        VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0point laissé de côté, sans inverse (S\u00a0=\u00a0"
                                              "0 ou vitesse nulle)."),
        VELMORA_TRANSLATABLE("ActivityChart", "%1\u00a0points laissés de côté, sans inverse (S\u00a0=\u00a0"
                                              "0 ou vitesse nulle).")};
    std::string insetNote = VELMORA_TRANSLATABLE(
        "ActivityChart",
        "Encart\u202f: les mêmes points en représentation de Lineweaver-Burk, droites de Km et Vmax "
        "ajustés.");
    std::string insetCompetitiveNote = VELMORA_TRANSLATABLE(
        "ActivityChart",
        "Encart\u202f: les mêmes points en représentation de Lineweaver-Burk, droites de Km et Vmax "
        "ajustés\u202f; tirets\u202f: modèle compétitif, ses droites se coupent sur l’axe 1/v.");
    std::string kmIntercept = VELMORA_TRANSLATABLE("ActivityChart", "−1/Km\u00a0=\u00a0%1");
    std::string vmaxIntercept = VELMORA_TRANSLATABLE("ActivityChart", "1/Vmax\u00a0=\u00a0%1");

    // Every word of the context "ActivityChart", for a window that translates them one by one.
    std::vector<std::string*> all();

    // `count` in digits before its words, singular or plural as the language counts.
    std::string counted(std::int32_t count, const Counted& words) const;
};

} // namespace velmora
