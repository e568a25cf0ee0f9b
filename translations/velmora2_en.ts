<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ActivityChart</name>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Température (°C)</source>
        <translation>Temperature (°C)</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Quantité d’enzyme (molécules)</source>
        <translation>Enzyme amount (molecules)</translation>
    </message>
    <message>
        <source>Quantité de substrat (molécules)</source>
        <translation>Substrate amount (molecules)</translation>
    </message>
    <message>
        <source>Quantité de thiolactose (molécules)</source>
        <translation>Thiolactose amount (molecules)</translation>
    </message>
    <message>
        <source>Autre espèce (molécules)</source>
        <translation>Other species (molecules)</translation>
    </message>
    <message>
        <source>Vitesse initiale (molécules/s)</source>
        <translation>Initial rate (molecules/s)</translation>
    </message>
    <message>
        <source>Demi-temps (s)</source>
        <translation>Half-time (s)</translation>
    </message>
    <message>
        <source>Substrat restant (%)</source>
        <translation>Substrate left (%)</translation>
    </message>
    <message>
        <source>%1&#xa0;°C</source>
        <translation>%1&#xa0;°C</translation>
    </message>
    <message>
        <source>pH&#xa0;%1</source>
        <translation>pH&#xa0;%1</translation>
    </message>
    <message>
        <source>%1&#xa0;enzyme</source>
        <translation>%1&#xa0;enzyme</translation>
    </message>
    <message>
        <source>%1&#xa0;enzymes</source>
        <translation>%1&#xa0;enzymes</translation>
    </message>
    <message>
        <source>%1&#xa0;molécule de substrat</source>
        <translation>%1&#xa0;substrate molecule</translation>
    </message>
    <message>
        <source>%1&#xa0;molécules de substrat</source>
        <translation>%1&#xa0;substrate molecules</translation>
    </message>
    <message>
        <source>%1&#xa0;molécule de l’autre espèce</source>
        <translation>%1&#xa0;molecule of the other species</translation>
    </message>
    <message>
        <source>%1&#xa0;molécules de l’autre espèce</source>
        <translation>%1&#xa0;molecules of the other species</translation>
    </message>
    <message>
        <source>sans thiolactose</source>
        <translation>without thiolactose</translation>
    </message>
    <message>
        <source>%1&#xa0;molécule de thiolactose</source>
        <translation>%1&#xa0;thiolactose molecule</translation>
    </message>
    <message>
        <source>%1&#xa0;molécules de thiolactose</source>
        <translation>%1&#xa0;thiolactose molecules</translation>
    </message>
    <message>
        <source>Vmax&#xa0;=&#xa0;%1&#xa0;±&#xa0;%2&#xa0;molécules/s</source>
        <translation>Vmax&#xa0;=&#xa0;%1&#xa0;±&#xa0;%2&#xa0;molecules/s</translation>
    </message>
    <message>
        <source>Km&#xa0;=&#xa0;%1&#xa0;±&#xa0;%2&#xa0;molécules</source>
        <translation>Km&#xa0;=&#xa0;%1&#xa0;±&#xa0;%2&#xa0;molecules</translation>
    </message>
    <message>
        <source>Ajustement de Michaelis-Menten impossible&#x202f;: %1</source>
        <translation>Michaelis-Menten fit impossible: %1</translation>
    </message>
    <message>
        <source>trop peu de quantités de substrat donnent une vitesse (il en faut 3)</source>
        <translation>too few substrate amounts give a rate (3 are needed)</translation>
    </message>
    <message>
        <source>aucune vitesse n’est positive</source>
        <translation>no rate is positive</translation>
    </message>
    <message>
        <source>la vitesse ne croît pas vers un plateau</source>
        <translation>the rate does not rise towards a plateau</translation>
    </message>
    <message>
        <source>la courbe ne s’infléchit pas assez, Km et Vmax restent indéterminés</source>
        <translation>the curve does not bend enough, so Km and Vmax remain undetermined</translation>
    </message>
    <message>
        <source>le calcul n’a pas abouti</source>
        <translation>the calculation did not succeed</translation>
    </message>
    <message>
        <source>Vitesse initiale&#x202f;: substrat transformé par seconde pendant les %1&#xa0;première seconde.</source>
        <translation>Initial rate: substrate converted per second over the first %1&#xa0;second.</translation>
    </message>
    <message>
        <source>Vitesse initiale&#x202f;: substrat transformé par seconde pendant les %1&#xa0;premières secondes.</source>
        <translation>Initial rate: substrate converted per second over the first %1&#xa0;seconds.</translation>
    </message>
    <message>
        <source>Durée de chaque expérience&#x202f;: %1&#xa0;s.</source>
        <translation>Duration of each experiment: %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Chaque point&#x202f;: moyenne de %1&#xa0;expériences&#x202f;; barres&#x202f;: ±&#xa0;un écart type.</source>
        <translation>Each point: mean of %1&#xa0;experiments; bars: ±&#xa0;one standard deviation.</translation>
    </message>
    <message>
        <source>Demi-temps non atteint dans toutes les expériences&#x202f;: %1&#xa0;point omis.</source>
        <translation>Half-time not reached in every experiment: %1&#xa0;point left out.</translation>
    </message>
    <message>
        <source>Demi-temps non atteint dans toutes les expériences&#x202f;: %1&#xa0;points omis.</source>
        <translation>Half-time not reached in every experiment: %1&#xa0;points left out.</translation>
    </message>
    <message>
        <source>Représentation de Lineweaver-Burk</source>
        <translation>Lineweaver-Burk plot</translation>
    </message>
    <message>
        <source>1/S (1/molécule)</source>
        <translation>1/S (1/molecule)</translation>
    </message>
    <message>
        <source>1/v (s/molécule)</source>
        <translation>1/v (s/molecule)</translation>
    </message>
    <message>
        <source>Vitesse initiale&#x202f;: substrat transformé par seconde, du départ jusqu’à ce que %1&#xa0;% du substrat de départ le soit.</source>
        <translation>Initial rate: substrate converted per second from the start until %1% of the starting substrate is converted.</translation>
    </message>
    <message>
        <source>Mesure écourtée pour %1&#xa0;point&#x202f;: %2&#xa0;% du substrat n’y est pas transformé en %3&#xa0;s, la vitesse est prise sur toute l’expérience.</source>
        <translation>Measure cut short at %1&#xa0;point: %2% of the substrate is not converted there within %3&#xa0;s, so the rate is taken over the whole experiment.</translation>
    </message>
    <message>
        <source>Mesure écourtée pour %1&#xa0;points&#x202f;: %2&#xa0;% du substrat n’y est pas transformé en %3&#xa0;s, la vitesse est prise sur toute l’expérience.</source>
        <translation>Measure cut short at %1&#xa0;points: %2% of the substrate is not converted there within %3&#xa0;s, so the rate is taken over the whole experiment.</translation>
    </message>
    <message>
        <source>volume de la boîte %1&#xa0;%</source>
        <translation>box volume %1%</translation>
    </message>
    <message>
        <source>boîte de %1&#xa0;×&#xa0;%2&#xa0;pixels</source>
        <translation>box of %1&#xa0;×&#xa0;%2&#xa0;pixels</translation>
    </message>
    <message>
        <source>Erreur résiduelle&#x202f;: %1&#xa0;molécules/s</source>
        <translation>Residual error: %1&#xa0;molecules/s</translation>
    </message>
    <message>
        <source>Modèle compétitif (un seul Vmax)</source>
        <translation>Competitive model (one Vmax)</translation>
    </message>
    <message>
        <source>Ki&#xa0;=&#xa0;%1&#xa0;±&#xa0;%2&#xa0;molécules</source>
        <translation>Ki&#xa0;=&#xa0;%1&#xa0;±&#xa0;%2&#xa0;molecules</translation>
    </message>
    <message>
        <source>(courbes ajustées une à une&#x202f;: %1)</source>
        <translation>(curves fitted one by one: %1)</translation>
    </message>
    <message>
        <source>Modèle compétitif impossible&#x202f;: %1</source>
        <translation>Competitive model impossible: %1</translation>
    </message>
    <message>
        <source>Km ne s’élève pas nettement avec l’inhibiteur, Ki reste indéterminé</source>
        <translation>Km does not clearly rise with the inhibitor, so Ki remains undetermined</translation>
    </message>
    <message>
        <source>Droites de Km et Vmax ajustés&#x202f;: 1/v&#xa0;=&#xa0;(Km/Vmax)&#xa0;×&#xa0;(1/S)&#xa0;+&#xa0;1/Vmax&#x202f;; points&#x202f;: 1/(vitesse moyenne).</source>
        <translation>Lines from the fitted Km and Vmax: 1/v&#xa0;=&#xa0;(Km/Vmax)&#xa0;×&#xa0;(1/S)&#xa0;+&#xa0;1/Vmax; points: 1/(mean rate).</translation>
    </message>
    <message>
        <source>Tirets&#x202f;: modèle compétitif, ses droites se coupent sur l’axe 1/v.</source>
        <translation>Dashes: competitive model, whose lines meet on the 1/v axis.</translation>
    </message>
    <message>
        <source>%1&#xa0;point laissé de côté, sans inverse (S&#xa0;=&#xa0;0 ou vitesse nulle).</source>
        <translation>%1&#xa0;point left out, having no reciprocal (S&#xa0;=&#xa0;0 or a zero rate).</translation>
    </message>
    <message>
        <source>%1&#xa0;points laissés de côté, sans inverse (S&#xa0;=&#xa0;0 ou vitesse nulle).</source>
        <translation>%1&#xa0;points left out, having no reciprocal (S&#xa0;=&#xa0;0 or a zero rate).</translation>
    </message>
    <message>
        <source>Encart&#x202f;: les mêmes points en représentation de Lineweaver-Burk, droites de Km et Vmax ajustés.</source>
        <translation>Inset: the same points in a Lineweaver-Burk plot, lines from the fitted Km and Vmax.</translation>
    </message>
    <message>
        <source>Encart&#x202f;: les mêmes points en représentation de Lineweaver-Burk, droites de Km et Vmax ajustés&#x202f;; tirets&#x202f;: modèle compétitif, ses droites se coupent sur l’axe 1/v.</source>
        <translation>Inset: the same points in a Lineweaver-Burk plot, lines from the fitted Km and Vmax; dashes: competitive model, whose lines meet on the 1/v axis.</translation>
    </message>
    <message>
        <source>−1/Km&#xa0;=&#xa0;%1</source>
        <translation>−1/Km&#xa0;=&#xa0;%1</translation>
    </message>
    <message>
        <source>1/Vmax&#xa0;=&#xa0;%1</source>
        <translation>1/Vmax&#xa0;=&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>ActivityCurve</name>
    <message>
        <source>Activité de l’enzyme</source>
        <translation>Enzyme activity</translation>
    </message>
</context>
<context>
    <name>ActivityTable</name>
    <message>
        <source>température (°C)</source>
        <translation>temperature (°C)</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>enzyme (molécules)</source>
        <translation>enzyme (molecules)</translation>
    </message>
    <message>
        <source>substrat (molécules)</source>
        <translation>substrate (molecules)</translation>
    </message>
    <message>
        <source>thiolactose (molécules)</source>
        <translation>thiolactose (molecules)</translation>
    </message>
    <message>
        <source>vitesse initiale (molécules/s)</source>
        <translation>initial rate (molecules/s)</translation>
    </message>
    <message>
        <source>écart type (molécules/s)</source>
        <translation>standard deviation (molecules/s)</translation>
    </message>
    <message>
        <source>minimum (molécules/s)</source>
        <translation>minimum (molecules/s)</translation>
    </message>
    <message>
        <source>maximum (molécules/s)</source>
        <translation>maximum (molecules/s)</translation>
    </message>
    <message>
        <source>temps de demi-réaction (s)</source>
        <translation>half-reaction time (s)</translation>
    </message>
    <message>
        <source>écart type (s)</source>
        <translation>standard deviation (s)</translation>
    </message>
    <message>
        <source>minimum (s)</source>
        <translation>minimum (s)</translation>
    </message>
    <message>
        <source>maximum (s)</source>
        <translation>maximum (s)</translation>
    </message>
    <message>
        <source>mesure écourtée (expériences)</source>
        <translation>measure cut short (experiments)</translation>
    </message>
    <message>
        <source>demi-temps atteint (expériences)</source>
        <translation>half-time reached (experiments)</translation>
    </message>
    <message>
        <source>Vmax (molécules/s)</source>
        <translation>Vmax (molecules/s)</translation>
    </message>
    <message>
        <source>écart type de Vmax (molécules/s)</source>
        <translation>standard error of Vmax (molecules/s)</translation>
    </message>
    <message>
        <source>Km (molécules)</source>
        <translation>Km (molecules)</translation>
    </message>
    <message>
        <source>écart type de Km (molécules)</source>
        <translation>standard error of Km (molecules)</translation>
    </message>
    <message>
        <source>Ki (molécules)</source>
        <translation>Ki (molecules)</translation>
    </message>
    <message>
        <source>écart type de Ki (molécules)</source>
        <translation>standard error of Ki (molecules)</translation>
    </message>
    <message>
        <source>erreur résiduelle (molécules/s)</source>
        <translation>residual error (molecules/s)</translation>
    </message>
</context>
<context>
    <name>ActivityWindow</name>
    <message>
        <source>Courbe d’activité selon la température</source>
        <translation>Activity curve against temperature</translation>
    </message>
    <message>
        <source>Courbe d’activité selon le pH</source>
        <translation>Activity curve against pH</translation>
    </message>
    <message>
        <source>Courbe d’activité selon la quantité de substrat</source>
        <translation>Activity curve against the amount of substrate</translation>
    </message>
    <message>
        <source>Courbe d’activité selon la quantité d’inhibiteur</source>
        <translation>Activity curve against the amount of inhibitor</translation>
    </message>
    <message>
        <source>%p&#xa0;%</source>
        <translation>%p%</translation>
    </message>
    <message>
        <source>Avancement du calcul</source>
        <translation>Progress of the calculation</translation>
    </message>
    <message>
        <source>&amp;Annuler le calcul</source>
        <translation>C&amp;ancel the calculation</translation>
    </message>
    <message>
        <source>&amp;Recommencer le calcul</source>
        <translation>&amp;Restart the calculation</translation>
    </message>
    <message>
        <source>Représentation de &amp;Lineweaver-Burk (1/v selon 1/S)</source>
        <translation>&amp;Lineweaver-Burk plot (1/v against 1/S)</translation>
    </message>
    <message>
        <source>&amp;Copier les données</source>
        <translation>&amp;Copy the data</translation>
    </message>
    <message>
        <source>&amp;Enregistrer les données…</source>
        <translation>&amp;Save the data…</translation>
    </message>
    <message>
        <source>Enregistrer l’&amp;image…</source>
        <translation>Save the &amp;picture…</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Arrêt du calcul…</source>
        <translation>Stopping the calculation…</translation>
    </message>
    <message>
        <source>Calcul en cours…</source>
        <translation>Calculating…</translation>
    </message>
    <message>
        <source>Calcul annulé.</source>
        <translation>Calculation cancelled.</translation>
    </message>
    <message>
        <source>Le calcul n’a pas pu aboutir&#xa0;: %1.</source>
        <translation>The calculation could not be completed: %1.</translation>
    </message>
    <message>
        <source>réglage actuel&#xa0;: %1</source>
        <translation>current setting: %1</translation>
    </message>
    <message>
        <source>activite-temperature</source>
        <translation>activity-temperature</translation>
    </message>
    <message>
        <source>activite-ph</source>
        <translation>activity-ph</translation>
    </message>
    <message>
        <source>activite-substrat</source>
        <translation>activity-substrate</translation>
    </message>
    <message>
        <source>activite-inhibiteur</source>
        <translation>activity-inhibitor</translation>
    </message>
    <message>
        <source>Enregistrer les données de la courbe</source>
        <translation>Save the data of the curve</translation>
    </message>
    <message>
        <source>Données CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Enregistrer l’image de la courbe</source>
        <translation>Save the picture of the curve</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Image vectorielle SVG (*.svg)</source>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>L’image n’a pas pu être dessinée</source>
        <translation>The picture could not be drawn</translation>
    </message>
    <message>
        <source>Calcul terminé&#xa0;: %1&#xa0;expériences.</source>
        <translation>Calculation finished: %1&#xa0;experiments.</translation>
    </message>
    <message>
        <source>%1&#xa0;: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&amp;Plein écran</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>vitesse initiale</source>
        <translation>initial rate</translation>
    </message>
    <message>
        <source>temps de demi-réaction</source>
        <translation>half-reaction time</translation>
    </message>
    <message>
        <source>&amp;Mesure&#xa0;:</source>
        <translation>&amp;Measure:</translation>
    </message>
    <message>
        <source>&#xa0;%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>La vitesse initiale est prise jusqu’à ce que cette part du substrat soit transformée.</source>
        <translation>The initial rate is taken until this share of the substrate is converted.</translation>
    </message>
    <message>
        <source>&amp;Part transformée&#xa0;:</source>
        <translation>Share con&amp;verted:</translation>
    </message>
    <message>
        <source>E&amp;xpériences par point&#xa0;:</source>
        <translation>E&amp;xperiments per point:</translation>
    </message>
    <message>
        <source>Commande é&amp;quivalente</source>
        <translation>E&amp;quivalent command</translation>
    </message>
    <message>
        <source>une ligne par point</source>
        <translation>one line per point</translation>
    </message>
    <message>
        <source>une colonne par courbe, avec Km et Vmax</source>
        <translation>one column per curve, with Km and Vmax</translation>
    </message>
    <message>
        <source>&amp;Tableau copié&#xa0;:</source>
        <translation>Copied &amp;table:</translation>
    </message>
    <message>
        <source>Chaque point est la vitesse initiale moyenne de %1&#xa0;expériences faites avec les réglages actuels, prise jusqu’à ce que %2&#xa0;% du substrat de départ soit transformé.</source>
        <translation>Each point is the mean initial rate of %1&#xa0;experiments run with the current settings, taken until %2% of the starting substrate is converted.</translation>
    </message>
    <message>
        <source>Chaque point est le temps de demi-réaction moyen de %1&#xa0;expériences faites avec les réglages actuels.</source>
        <translation>Each point is the mean half-reaction time of %1&#xa0;experiments run with the current settings.</translation>
    </message>
    <message>
        <source>L’expérience de la fenêtre principale continue pendant le calcul.</source>
        <translation>The experiment in the main window carries on during the calculation.</translation>
    </message>
    <message>
        <source>&#x202f;; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>Autosave</name>
    <message>
        <source>Reprendre l’expérience interrompue&#xa0;?</source>
        <translation>Resume the interrupted experiment?</translation>
    </message>
    <message>
        <source>Le logiciel s’est arrêté sans avoir été fermé&#xa0;; l’expérience en cours a été gardée.</source>
        <translation>The program stopped without being closed; the experiment under way was kept.</translation>
    </message>
    <message>
        <source>Une animation bloquait la fenêtre&#xa0;: le logiciel a redémarré et repris l’expérience où elle en était.</source>
        <translation>A movie was holding the window: the program restarted and took the experiment up where it was.</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Hydrolyse du lactose</source>
        <translation>Lactose hydrolysis</translation>
    </message>
    <message>
        <source>Synthèse du lactose</source>
        <translation>Lactose synthesis</translation>
    </message>
    <message>
        <source>Hydrolyse du maltose</source>
        <translation>Maltose hydrolysis</translation>
    </message>
    <message>
        <source>Hydrolyse de l&apos;amylose</source>
        <translation>Amylose hydrolysis</translation>
    </message>
</context>
<context>
    <name>ClassWork</name>
    <message>
        <source>Réglage fixé par le professeur pour cette activité</source>
        <translation>Setting fixed by the teacher for this activity</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Enregistrer l’expérience…</source>
        <translation>&amp;Save the experiment…</translation>
    </message>
    <message>
        <source>&amp;Préparer un scénario…</source>
        <translation>&amp;Prepare a scenario…</translation>
    </message>
    <message>
        <source>&amp;Groupe et classe…</source>
        <translation>&amp;Group and class…</translation>
    </message>
    <message>
        <source>Compte &amp;rendu…</source>
        <translation>&amp;Report…</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>Pr&amp;int…</translation>
    </message>
    <message>
        <source>Copier ma &amp;ligne de résultats</source>
        <translation>Copy my results li&amp;ne</translation>
    </message>
    <message>
        <source>&amp;Consignes et réponse</source>
        <translation>&amp;Instructions and answer</translation>
    </message>
    <message>
        <source>Ouvrir une expérience</source>
        <translation>Open an experiment</translation>
    </message>
    <message>
        <source>Expériences de Velmora (*.velmora)</source>
        <translation>Velmora experiments (*.velmora)</translation>
    </message>
    <message>
        <source>Ouverture de «&#xa0;%1&#xa0;»</source>
        <translation>Opened “%1”</translation>
    </message>
    <message>
        <source>Enregistrer l’expérience</source>
        <translation>Save the experiment</translation>
    </message>
    <message>
        <source>experience.velmora</source>
        <translation>experiment.velmora</translation>
    </message>
    <message>
        <source>Enregistrement de l’expérience</source>
        <translation>Experiment saved</translation>
    </message>
    <message>
        <source>Préparer un scénario</source>
        <translation>Prepare a scenario</translation>
    </message>
    <message>
        <source>scenario.velmora</source>
        <translation>scenario.velmora</translation>
    </message>
    <message>
        <source>Température&#xa0;: %1&#xa0;°C</source>
        <translation>Temperature: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>pH&#xa0;: %1</source>
        <translation>pH: %1</translation>
    </message>
    <message>
        <source>Enzyme&#xa0;: %1</source>
        <translation>Enzyme: %1</translation>
    </message>
    <message>
        <source>Substrat&#xa0;: %1</source>
        <translation>Substrate: %1</translation>
    </message>
    <message>
        <source>Thiolactose&#xa0;: %1</source>
        <translation>Thiolactose: %1</translation>
    </message>
    <message>
        <source>Réaction&#xa0;: %1</source>
        <translation>Reaction: %1</translation>
    </message>
    <message>
        <source>Démarrage&#xa0;: %1, %2</source>
        <translation>Start: %1, %2</translation>
    </message>
    <message>
        <source>Courbe gardée (%1 en tout)</source>
        <translation>Curve kept (%1 in all)</translation>
    </message>
    <message>
        <source>Courbe d’activité calculée&#xa0;: %1</source>
        <translation>Activity curve computed: %1</translation>
    </message>
    <message>
        <source>Compte rendu</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>compte-rendu.pdf</source>
        <translation>report.pdf</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Compte rendu enregistré</source>
        <translation>Report saved</translation>
    </message>
    <message>
        <source>Compte rendu imprimé</source>
        <translation>Report printed</translation>
    </message>
    <message>
        <source>Mode pro&amp;jection</source>
        <translation>&amp;Projector mode</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Affiche cette aide.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Affiche la version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Velmora v2&#xa0;: modélisation de l’activité enzymatique pour les cours de biologie.
Le programme prend ses animations (anims/) et ses valeurs de départ (velmora.ini)
dans le dossier d’où il est lancé, ou à défaut dans son installation.</source>
        <translation>Velmora v2: a model of enzyme activity for biology classes.
The program takes its animations (anims/) and its starting values (velmora.ini)
from the folder it is started from, or else from its installation.</translation>
    </message>
    <message>
        <source>fichier</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Une expérience à ouvrir (.velmora)&#xa0;; si le programme tourne déjà, c’est lui qui l’ouvre.</source>
        <translation>An experiment to open (.velmora); if the program already runs, that copy opens it.</translation>
    </message>
</context>
<context>
    <name>Comment</name>
    <message>
        <source>Attention : la dénaturation est un phénomène irréversible.<byte value="xd"/><byte value="xd"/>Cliquez sur &quot;Démarrer / recommencer l&apos;expérience&quot; pour renouveler l&apos;expérience avec des enzymes intactes.</source>
        <translation>Warning: denaturation is irreversible.<byte value="xd"/><byte value="xd"/>Click &quot;Start / restart the experiment&quot; to repeat the experiment with intact enzymes.</translation>
    </message>
    <message>
        <source>Vous avez modifié les concentrations initiales, l&apos;expérience est donc suspendue.<byte value="xd"/>Une fois vos réglages terminés, cliquez sur &quot;Démarrer / recommencer l&apos;expérience&quot;.</source>
        <translation>You have changed the starting concentrations, so the experiment is suspended.<byte value="xd"/>When your settings are ready, click &quot;Start / restart the experiment&quot;.</translation>
    </message>
    <message>
        <source>Vous avez interrompu l&apos;expérience.<byte value="xd"/><byte value="xd"/>Cliquez sur &quot;Démarrer / recommencer l&apos;expérience&quot; pour relancer l&apos;animation.</source>
        <translation>You have stopped the experiment.<byte value="xd"/><byte value="xd"/>Click &quot;Start / restart the experiment&quot; to run the animation again.</translation>
    </message>
    <message>
        <source>Bienvenue sur Velmora v2 !<byte value="xd"/><byte value="xd"/>Choisissez la réaction, les concentrations, le pH et la température, puis cliquez  sur &quot;Démarrer / recommencer l&apos;expérience&quot; pour lancer le modèle.</source>
        <translation>Welcome to Velmora v2!<byte value="xd"/><byte value="xd"/>Choose the reaction, the concentrations, the pH and the temperature, then click &quot;Start / restart the experiment&quot; to run the model.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Erreur de lecture&#xa0;: %1 (erreur %2)</source>
        <translation>Read error: %1 (error %2)</translation>
    </message>
</context>
<context>
    <name>ExperimentFile</name>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: à la clé «&#xa0;%2&#xa0;», %3 était attendu, et non %4.</source>
        <translation>The file “%1” cannot be opened: at the key “%2”, %3 was expected, not %4.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: une expérience (un objet JSON entre accolades) était attendue.</source>
        <translation>The file “%1” cannot be opened: an experiment (a JSON object between braces) was expected.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» n’est pas une expérience de Velmora&#xa0;: la clé «&#xa0;format&#xa0;» doit valoir «&#xa0;velmora-experiment&#xa0;».</source>
        <translation>The file “%1” is not a Velmora experiment: the key “format” must be “velmora-experiment”.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: la clé «&#xa0;version&#xa0;» vaut %2, et ce programme lit la version 1.</source>
        <translation>The file “%1” cannot be opened: the key “version” is %2, and this program reads version 1.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;»&#xa0;: la clé «&#xa0;%2&#xa0;» est inconnue de ce programme et a été ignorée.</source>
        <translation>The file “%1”: the key “%2” is unknown to this program and was skipped.</translation>
    </message>
    <message>
        <source>un nombre entier de %1 à %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>un texte entre guillemets</source>
        <translation>a text between quotation marks</translation>
    </message>
    <message>
        <source>true ou false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>une liste entre crochets</source>
        <translation>a list between brackets</translation>
    </message>
    <message>
        <source>une liste d’au plus %1 éléments</source>
        <translation>a list of at most %1 items</translation>
    </message>
    <message>
        <source>un objet entre accolades</source>
        <translation>an object between braces</translation>
    </message>
    <message>
        <source>25, 50, 100, 200 ou 400</source>
        <translation>25, 50, 100, 200 or 400</translation>
    </message>
    <message>
        <source>«&#xa0;small&#xa0;» ou «&#xa0;large&#xa0;»</source>
        <translation>“small” or “large”</translation>
    </message>
    <message>
        <source>10, 20, 50, 100, 200 ou 400</source>
        <translation>10, 20, 50, 100, 200 or 400</translation>
    </message>
    <message>
        <source>un moment («&#xa0;second&#xa0;» ou «&#xa0;tick&#xa0;») et un changement («&#xa0;temperature&#xa0;» ou «&#xa0;ph&#xa0;»)</source>
        <translation>a moment (“second” or “tick”) and a change (“temperature” or “ph”)</translation>
    </message>
    <message>
        <source>un nom de réglage (reaction, temperature, ph, enzyme, substrate, inhibitor, volume, symbols ou products)</source>
        <translation>the name of a setting (reaction, temperature, ph, enzyme, substrate, inhibitor, volume, symbols or products)</translation>
    </message>
    <message>
        <source>le nom d’une explication, en minuscules sans accents (experiences)</source>
        <translation>the name of an explanation, in lower case without accents (experiences)</translation>
    </message>
    <message>
        <source>une ligne [seconde, substrat, température, pH]</source>
        <translation>a row [second, substrate, temperature, pH]</translation>
    </message>
    <message>
        <source>une seconde après %1</source>
        <translation>a second after %1</translation>
    </message>
    <message>
        <source>un nombre</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>temperature, ph, substrate ou inhibitor</source>
        <translation>temperature, ph, substrate or inhibitor</translation>
    </message>
    <message>
        <source>un point [valeur, vitesse]</source>
        <translation>a point [value, rate]</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» n’est pas un document JSON valable (ligne %2, colonne %3)&#xa0;: un texte JSON complet, en UTF-8, était attendu.</source>
        <translation>The file “%1” is not a valid JSON document (line %2, column %3): a whole JSON text, in UTF-8, was expected.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: %2.</source>
        <translation>The file “%1” could not be read: %2.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: il dépasse 1&#xa0;Mo, et une expérience tient en bien moins.</source>
        <translation>The file “%1” cannot be opened: it is larger than 1&#xa0;MB, and an experiment takes far less.</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» contient un nombre trop grand pour être lu.</source>
        <translation>The file “%1” holds a number too large to be read.</translation>
    </message>
</context>
<context>
    <name>ExperimentFiles</name>
    <message>
        <source>il n’existe pas</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>l’accès en est refusé</source>
        <translation>access to it is denied</translation>
    </message>
    <message>
        <source>c’est un dossier</source>
        <translation>it is a folder</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>&amp;Dossier&#xa0;:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>Dossier parent (Retour arrière)</source>
        <translation>Parent folder (Backspace)</translation>
    </message>
    <message>
        <source>Dossier parent</source>
        <translation>Parent folder</translation>
    </message>
    <message>
        <source>Emplacements</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Contenu du dossier</source>
        <translation>Folder contents</translation>
    </message>
    <message>
        <source>&amp;Nom du fichier&#xa0;:</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Type&#xa0;:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Dossier personnel</source>
        <translation>Home folder</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Bureau</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Ordinateur</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Le dossier %1 ne peut pas être ouvert&#xa0;: %2</source>
        <translation>The folder %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Ce dossier ne peut pas être lu&#xa0;: %1</source>
        <translation>This folder cannot be read: %1</translation>
    </message>
    <message>
        <source>L’extension %1 n’est pas proposée ici&#xa0;: le nom doit finir par %2.</source>
        <translation>The ending %1 is not offered here: the name must end in %2.</translation>
    </message>
    <message>
        <source> ou </source>
        <translation> or </translation>
    </message>
    <message>
        <source>Le nom est trop long&#xa0;: %1&#xa0;octets, quand le disque en accepte %2 au plus.</source>
        <translation>The name is too long: %1 bytes, where the disk takes %2 at most.</translation>
    </message>
    <message>
        <source>%1 est un lien vers un fichier qui n’existe pas.</source>
        <translation>%1 is a link to a file that does not exist.</translation>
    </message>
    <message>
        <source>Le fichier %1 est en lecture seule&#xa0;: il ne sera pas remplacé. Choisissez un autre nom.</source>
        <translation>The file %1 is read-only: it will not be replaced. Choose another name.</translation>
    </message>
    <message>
        <source>Le fichier %1 n’existe pas.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà. Voulez-vous le remplacer&#xa0;?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» n’a pas pu être enregistré&#xa0;: %2</source>
        <translation>The file “%1” could not be saved: %2</translation>
    </message>
    <message>
        <source>l’accès au dossier ou au fichier est refusé</source>
        <translation>access to the folder or the file is denied</translation>
    </message>
    <message>
        <source>le disque n’accepte pas d’écriture</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>le quota de disque est atteint</source>
        <translation>the disk quota is reached</translation>
    </message>
    <message>
        <source>le fichier serait trop grand</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>le dossier n’existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>le chemin passe par un fichier qui n’est pas un dossier</source>
        <translation>the path goes through a file that is not a folder</translation>
    </message>
    <message>
        <source>c’est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n’est pas un fichier ordinaire</source>
        <translation>it is not an ordinary file</translation>
    </message>
    <message>
        <source>le nom n’est pas valable</source>
        <translation>the name is not valid</translation>
    </message>
    <message>
        <source>le disque a signalé une erreur</source>
        <translation>the disk reported an error</translation>
    </message>
    <message>
        <source>le programme d’écriture s’est arrêté</source>
        <translation>the writing process has stopped</translation>
    </message>
    <message>
        <source>le classeur n’a pas pu être constitué</source>
        <translation>the workbook could not be made</translation>
    </message>
    <message>
        <source>l’imprimante par défaut</source>
        <translation>the default printer</translation>
    </message>
    <message>
        <source>L’impression sur «&#xa0;%1&#xa0;» a échoué&#xa0;: le système d’impression a refusé le document (%2)</source>
        <translation>Printing on “%1” failed: the printing system refused the document (%2)</translation>
    </message>
    <message>
        <source>le nom est trop long pour le disque (255 octets au plus par nom)</source>
        <translation>the name is too long for the disk (255 bytes at most per name)</translation>
    </message>
    <message>
        <source>le chemin passe par trop de liens symboliques</source>
        <translation>the path goes through too many symbolic links</translation>
    </message>
    <message>
        <source>trop de fichiers sont ouverts</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>la mémoire manque</source>
        <translation>memory is short</translation>
    </message>
    <message>
        <source>le fichier est occupé par un autre programme</source>
        <translation>the file is busy in another program</translation>
    </message>
    <message>
        <source>le fichier est sur un autre disque que son dossier</source>
        <translation>the file is on another disk than its folder</translation>
    </message>
    <message>
        <source>le partage réseau ne répond plus</source>
        <translation>the network share no longer answers</translation>
    </message>
    <message>
        <source>le programme d’écriture ne répond plus</source>
        <translation>the writing helper no longer answers</translation>
    </message>
    <message>
        <source>le fichier existant est en lecture seule</source>
        <translation>the existing file is read-only</translation>
    </message>
    <message>
        <source>c’est un lien vers un fichier qui n’existe pas</source>
        <translation>it is a link to a file that does not exist</translation>
    </message>
    <message>
        <source>erreur du système numéro %1</source>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>L’impression sur «&#xa0;%1&#xa0;» a échoué&#xa0;: %2</source>
        <translation>Printing on “%1” failed: %2</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>seconde</source>
        <translation>second</translation>
    </message>
    <message>
        <source>substrat (molécules)</source>
        <translation>substrate (molecules)</translation>
    </message>
    <message>
        <source>substrat (%)</source>
        <translation>substrate (%)</translation>
    </message>
    <message>
        <source>température (°C)</source>
        <translation>temperature (°C)</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>,</source>
        <extracomment>The decimal mark of numbers pasted into a spreadsheet.</extracomment>
        <translation>.</translation>
    </message>
    <message>
        <source>courbe gardée %1, %2 (%)</source>
        <translation>kept curve %1, %2 (%)</translation>
    </message>
</context>
<context>
    <name>GraphMenu</name>
    <message>
        <source>&amp;Copier les données</source>
        <translation>&amp;Copy the data</translation>
    </message>
    <message>
        <source>&amp;Enregistrer les données…</source>
        <translation>&amp;Save the data…</translation>
    </message>
    <message>
        <source>Enregistrer l’&amp;image du graphique…</source>
        <translation>Save the graph’s &amp;picture…</translation>
    </message>
    <message>
        <source>&amp;Garder cette courbe pour comparer</source>
        <translation>&amp;Keep this curve to compare</translation>
    </message>
    <message>
        <source>E&amp;ffacer les courbes gardées</source>
        <translation>C&amp;lear the kept curves</translation>
    </message>
    <message>
        <source>Courbe d’&amp;activité</source>
        <translation>&amp;Activity curve</translation>
    </message>
    <message>
        <source>selon la &amp;température</source>
        <translation>against &amp;temperature</translation>
    </message>
    <message>
        <source>selon le &amp;pH</source>
        <translation>against &amp;pH</translation>
    </message>
    <message>
        <source>selon la quantité de &amp;substrat</source>
        <translation>against the amount of &amp;substrate</translation>
    </message>
    <message>
        <source>selon la quantité d’&amp;inhibiteur</source>
        <translation>against the amount of &amp;inhibitor</translation>
    </message>
    <message>
        <source>Enregistrer les données</source>
        <translation>Save the data</translation>
    </message>
    <message>
        <source>donnees-experience.csv</source>
        <translation>experiment-data.csv</translation>
    </message>
    <message>
        <source>Données CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Enregistrer l’image du graphique</source>
        <translation>Save the picture of the graph</translation>
    </message>
    <message>
        <source>graphique-experience.png</source>
        <translation>experiment-graph.png</translation>
    </message>
    <message>
        <source>Image PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Aucune courbe à garder&#xa0;: démarrez d’abord une expérience.</source>
        <translation>No curve to keep: start an experiment first.</translation>
    </message>
    <message>
        <source>Cinq courbes sont déjà gardées, c’est le plus que le graphique puisse montrer. Pour en garder une autre, choisissez d’abord «&#xa0;Effacer les courbes gardées&#xa0;».</source>
        <translation>Five curves are already kept, the most that the graph can show. To keep another one, first choose “Clear the kept curves”.</translation>
    </message>
    <message>
        <source>Classeur Excel (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>(fin à %1&#xa0;s)</source>
        <translation>(ended at %1&#xa0;s)</translation>
    </message>
    <message>
        <source>temps (s)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>substrat restant (%)</source>
        <translation>substrate left (%)</translation>
    </message>
    <message>
        <source>substrat restant (molécules)</source>
        <translation>substrate left (molecules)</translation>
    </message>
    <message>
        <source>&amp;Comprendre la courbe d’activité…</source>
        <translation>&amp;Understand the activity curve…</translation>
    </message>
</context>
<context>
    <name>GraphicalScreen</name>
    <message>
        <source>velmora2&#xa0;: ce logiciel a besoin d’un écran graphique, et aucun n’est accessible.</source>
        <translation>velmora2: this program needs a graphical display, and none is available.</translation>
    </message>
</context>
<context>
    <name>InstructionsPanel</name>
    <message>
        <source>Consignes et réponse</source>
        <translation>Instructions and answer</translation>
    </message>
    <message>
        <source>&amp;Notre réponse&#xa0;:</source>
        <translation>&amp;Our answer:</translation>
    </message>
    <message>
        <source>Notre réponse</source>
        <translation>Our answer</translation>
    </message>
    <message>
        <source>Pas de consignes pour cette expérience.</source>
        <translation>No instructions for this experiment.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>Retour aux sujets</source>
        <translation>Back to the topics</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>◀  Précédent</source>
        <translation>◀  Previous</translation>
    </message>
    <message>
        <source>Étape %1 sur %2</source>
        <translation>Step %1 of %2</translation>
    </message>
    <message>
        <source>Suivant  ▶</source>
        <translation>Next  ▶</translation>
    </message>
</context>
<context>
    <name>MovieViewer</name>
    <message>
        <source>Fermer (Échap)</source>
        <translation>Close (Esc)</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>PlayControls</name>
    <message>
        <source>Reprendre l’animation</source>
        <translation>Resume the animation</translation>
    </message>
    <message>
        <source>Mettre l’animation en pause</source>
        <translation>Pause the animation</translation>
    </message>
    <message>
        <source>Rejouer l’animation</source>
        <translation>Replay the animation</translation>
    </message>
    <message>
        <source>▶&#xa0; Reprendre</source>
        <translation>▶&#xa0; Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>↺&#xa0; Rejouer</source>
        <translation>↺&#xa0; Replay</translation>
    </message>
</context>
<context>
    <name>RateChart</name>
    <message>
        <source>lactose dans la boîte (molécules)</source>
        <translation>lactose in the box (molecules)</translation>
    </message>
    <message>
        <source>v₀ (molécules/s)</source>
        <translation>v₀ (molecules/s)</translation>
    </message>
</context>
<context>
    <name>Recap</name>
    <message>
        <source>À retenir</source>
        <translation>To remember</translation>
    </message>
    <message>
        <source>Pour vérifier</source>
        <translation>Check yourself</translation>
    </message>
    <message>
        <source>Cacher la réponse</source>
        <translation>Hide the answer</translation>
    </message>
    <message>
        <source>Voir la réponse</source>
        <translation>Show the answer</translation>
    </message>
    <message>
        <source>Cacher la réponse %1</source>
        <translation>Hide answer %1</translation>
    </message>
    <message>
        <source>Voir la réponse %1</source>
        <translation>Show answer %1</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Compte rendu d’expérience</source>
        <translation>Experiment report</translation>
    </message>
    <message>
        <source>Compte rendu</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>ScenarioDialog</name>
    <message>
        <source>Réaction</source>
        <translation>Reaction</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Enzyme</source>
        <translation>Enzyme</translation>
    </message>
    <message>
        <source>Substrat</source>
        <translation>Substrate</translation>
    </message>
    <message>
        <source>Thiolactose (inhibiteur)</source>
        <translation>Thiolactose (inhibitor)</translation>
    </message>
    <message>
        <source>Volume de la boîte</source>
        <translation>Volume of the box</translation>
    </message>
    <message>
        <source>Taille des symboles</source>
        <translation>Size of the symbols</translation>
    </message>
    <message>
        <source>Nombre maximal de produits</source>
        <translation>Largest number of products</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Expériences guidées</source>
        <translation>Guided experiments</translation>
    </message>
    <message>
        <source>L’hydrolyse du lactose</source>
        <translation>The hydrolysis of lactose</translation>
    </message>
    <message>
        <source>Le mécanisme de la catalyse enzymatique</source>
        <translation>The mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>Le chaud et le froid</source>
        <translation>Heat and cold</translation>
    </message>
    <message>
        <source>Le thiolactose, un inhibiteur</source>
        <translation>Thiolactose, an inhibitor</translation>
    </message>
    <message>
        <source>L’hydrolyse du maltose</source>
        <translation>The hydrolysis of maltose</translation>
    </message>
    <message>
        <source>L’hydrolyse de l’amylose</source>
        <translation>The hydrolysis of amylose</translation>
    </message>
    <message>
        <source>La synthèse du lactose</source>
        <translation>The synthesis of lactose</translation>
    </message>
    <message>
        <source>Préparer un scénario</source>
        <translation>Prepare a scenario</translation>
    </message>
    <message>
        <source>&amp;Titre&#xa0;:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Consignes&#xa0;:</source>
        <translation>&amp;Instructions:</translation>
    </message>
    <message>
        <source>Réglages des élèves (les valeurs sont celles du moment)</source>
        <translation>The students’ settings (the values are those of now)</translation>
    </message>
    <message>
        <source>Fixé</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Caché</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>%1 fixé</source>
        <translation>%1 fixed</translation>
    </message>
    <message>
        <source>%1 caché</source>
        <translation>%1 hidden</translation>
    </message>
    <message>
        <source>Cacher les «&#xa0;réponses du modèle&#xa0;» des expériences guidées</source>
        <translation>Hide the “model’s answers” of the guided experiments</translation>
    </message>
    <message>
        <source>&amp;Explication à ouvrir d’abord&#xa0;:</source>
        <translation>&amp;Explanation to open first:</translation>
    </message>
    <message>
        <source>Groupe et classe</source>
        <translation>Group and class</translation>
    </message>
    <message>
        <source>Ces informations figurent sur le compte rendu.</source>
        <translation>These details appear on the report.</translation>
    </message>
    <message>
        <source>&amp;Noms des élèves&#xa0;:</source>
        <translation>&amp;Names of the students:</translation>
    </message>
    <message>
        <source>&amp;Classe&#xa0;:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;Date&#xa0;:</source>
        <translation>&amp;Date:</translation>
    </message>
</context>
<context>
    <name>SceneDescription</name>
    <message>
        <source>Aucune expérience en cours</source>
        <translation>No experiment running</translation>
    </message>
    <message>
        <source>aucune enzyme</source>
        <translation>no enzyme</translation>
    </message>
    <message>
        <source>%1 enzyme</source>
        <translation>%1 enzyme</translation>
    </message>
    <message>
        <source>%1 enzymes</source>
        <translation>%1 enzymes</translation>
    </message>
    <message>
        <source>%1 dont %2</source>
        <translation>%1, of which %2</translation>
    </message>
    <message>
        <source>aucune occupée</source>
        <translation>none occupied</translation>
    </message>
    <message>
        <source>%1 occupée</source>
        <translation>%1 occupied</translation>
    </message>
    <message>
        <source>%1 occupées</source>
        <translation>%1 occupied</translation>
    </message>
    <message>
        <source>aucune bloquée par le thiolactose</source>
        <translation>none blocked by thiolactose</translation>
    </message>
    <message>
        <source>%1 bloquée par le thiolactose</source>
        <translation>%1 blocked by thiolactose</translation>
    </message>
    <message>
        <source>%1 bloquées par le thiolactose</source>
        <translation>%1 blocked by thiolactose</translation>
    </message>
    <message>
        <source>aucune dénaturée</source>
        <translation>none denatured</translation>
    </message>
    <message>
        <source>%1 dénaturée</source>
        <translation>%1 denatured</translation>
    </message>
    <message>
        <source>%1 dénaturées</source>
        <translation>%1 denatured</translation>
    </message>
    <message>
        <source>aucune chargée</source>
        <translation>none charged</translation>
    </message>
    <message>
        <source>%1 chargée</source>
        <translation>%1 charged</translation>
    </message>
    <message>
        <source>%1 chargées</source>
        <translation>%1 charged</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> et </source>
        <translation> and </translation>
    </message>
    <message>
        <source>&#xa0;; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1&#xa0;: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>lactose restant</source>
        <translation>lactose left</translation>
    </message>
    <message>
        <source>glucose restant</source>
        <translation>glucose left</translation>
    </message>
    <message>
        <source>UDP-galactose restant</source>
        <translation>UDP-galactose left</translation>
    </message>
    <message>
        <source>maltose restant</source>
        <translation>maltose left</translation>
    </message>
    <message>
        <source>unités d’amylose restantes</source>
        <translation>amylose units left</translation>
    </message>
    <message>
        <source>substrat restant</source>
        <translation>substrate left</translation>
    </message>
    <message>
        <source>%1&#xa0;%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1&#xa0;UA</source>
        <translation>%1&#xa0;AU</translation>
    </message>
    <message>
        <source>%1 molécule</source>
        <translation>%1 molecule</translation>
    </message>
    <message>
        <source>%1 molécules</source>
        <translation>%1 molecules</translation>
    </message>
    <message>
        <source>%1&#xa0;s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>en pause</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>pas de courbe sans substrat</source>
        <translation>no curve without substrate</translation>
    </message>
    <message>
        <source>courbe vide</source>
        <translation>empty curve</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>temps de demi-réaction&#xa0;: %1</source>
        <translation>half-reaction time: %1</translation>
    </message>
    <message>
        <source>température changée à %1</source>
        <translation>temperature changed at %1</translation>
    </message>
    <message>
        <source>pH changé à %1</source>
        <translation>pH changed at %1</translation>
    </message>
</context>
<context>
    <name>SettingsText</name>
    <message>
        <source>Hydrolyse du lactose</source>
        <translation>Lactose hydrolysis</translation>
    </message>
    <message>
        <source>Synthèse du lactose</source>
        <translation>Lactose synthesis</translation>
    </message>
    <message>
        <source>Hydrolyse du maltose</source>
        <translation>Maltose hydrolysis</translation>
    </message>
    <message>
        <source>Hydrolyse de l’amylose</source>
        <translation>Amylose hydrolysis</translation>
    </message>
    <message>
        <source>%1&#xa0;°C</source>
        <translation>%1&#xa0;°C</translation>
    </message>
    <message>
        <source>pH&#xa0;%1</source>
        <translation>pH&#xa0;%1</translation>
    </message>
    <message>
        <source>sans inhibiteur</source>
        <translation>no inhibitor</translation>
    </message>
    <message>
        <source>sans thiolactose (inhibiteur)</source>
        <translation>no thiolactose (inhibitor)</translation>
    </message>
    <message>
        <source>%1&#xa0;molécules de thiolactose (inhibiteur)</source>
        <translation>%1&#xa0;molecules of thiolactose (inhibitor)</translation>
    </message>
    <message>
        <source>%1&#xa0;molécule de thiolactose (inhibiteur)</source>
        <translation>%1&#xa0;molecule of thiolactose (inhibitor)</translation>
    </message>
    <message>
        <source>%1, %2, %3, %4, %5</source>
        <translation>%1, %2, %3, %4, %5</translation>
    </message>
    <message>
        <source>%1&#xa0;molécules de substrat</source>
        <translation>%1&#xa0;molecules of substrate</translation>
    </message>
    <message>
        <source>%1&#xa0;molécule de substrat</source>
        <translation>%1&#xa0;molecule of substrate</translation>
    </message>
    <message>
        <source>hydr. lactose</source>
        <translation>lactose hydr.</translation>
    </message>
    <message>
        <source>synth. lactose</source>
        <translation>lactose synth.</translation>
    </message>
    <message>
        <source>hydr. maltose</source>
        <translation>maltose hydr.</translation>
    </message>
    <message>
        <source>hydr. amylose</source>
        <translation>amylose hydr.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · E&#xa0;%5 · S&#xa0;%6</source>
        <translation>%1 · %2 · %3 · %4 · E&#xa0;%5 · S&#xa0;%6</translation>
    </message>
    <message>
        <source> · I&#xa0;%1</source>
        <translation> · I&#xa0;%1</translation>
    </message>
    <message>
        <source>%1&#xa0;enzymes</source>
        <translation>%1&#xa0;enzymes</translation>
    </message>
    <message>
        <source>%1&#xa0;enzyme</source>
        <translation>%1&#xa0;enzyme</translation>
    </message>
    <message>
        <source>, volume de la boîte %1&#xa0;%</source>
        <translation>, box volume %1%</translation>
    </message>
    <message>
        <source> · V&#xa0;%1&#xa0;%</source>
        <translation> · V&#xa0;%1%</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>Le logiciel ne peut pas démarrer, car le système refuse de lancer le programme qui enregistre ses fichiers (trop de processus en cours&#xa0;?).</source>
        <translation>The program cannot start: the system refuses to start the helper that saves its files (too many processes running?).</translation>
    </message>
    <message>
        <source>velmora2&#xa0;: %1</source>
        <translation>velmora2: %1</translation>
    </message>
    <message>
        <source>Le logiciel ne peut pas démarrer, car le système refuse d’en lancer les processus et les fils d’exécution (trop de processus en cours&#xa0;?).</source>
        <translation>The program cannot start: the system refuses to start its processes and threads (too many processes running?).</translation>
    </message>
    <message>
        <source>La fenêtre reste bloquée par une animation, même relancée&#xa0;: le logiciel s’arrête. L’expérience en cours sera proposée au prochain démarrage.</source>
        <translation>A movie still holds the window after a restart: the program stops. The experiment under way will be offered at the next start.</translation>
    </message>
</context>
<context>
    <name>TFormFlash</name>
    <message>
        <source>Catalyse enzymatique</source>
        <translation>Enzyme catalysis</translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>Informations</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Activer</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormmodel</name>
    <message>
        <source>Ce module n&apos;est pas conçu pour<byte value="xd"/>des exercices de cinétique.<byte value="xd"/><byte value="xd"/>Pour faire des calculs de vitesse initiale,<byte value="xd"/>comparer plusieurs courbes, ou imprimer,<byte value="xd"/>veuillez utiliser le logiciel commercial Brendole.</source>
        <translation>This module is not designed<byte value="xd"/>for kinetics exercises.<byte value="xd"/><byte value="xd"/>To calculate initial rates,<byte value="xd"/>compare several curves, or print,<byte value="xd"/>please use the commercial program Brendole.</translation>
    </message>
    <message>
        <source>Ces fonctionnalités avancées n&apos;existent que dans la version commercialisée de Brendole</source>
        <translation>These advanced features exist only in the commercial version of Brendole</translation>
    </message>
    <message>
        <source>Modélisation de l&apos;activité enzymatique</source>
        <translation>Modelling enzyme activity</translation>
    </message>
    <message>
        <source>En savoir plus sur ce graphique</source>
        <translation>Learn more about this graph</translation>
    </message>
    <message>
        <source>Graphique : [Substrat] en fonction du temps</source>
        <translation>Graph: [Substrate] against time</translation>
    </message>
    <message>
        <source>Temps :</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>pourcentage</source>
        <translation>percentage</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Charger les valeurs par défaut</source>
        <translation>&amp;Load the default values</translation>
    </message>
    <message>
        <source>&amp;Quitter ce logiciel</source>
        <translation>&amp;Quit this program</translation>
    </message>
    <message>
        <source>&amp;Réaction</source>
        <translation>&amp;Reaction</translation>
    </message>
    <message>
        <source>afficher menu caché</source>
        <translation>show hidden menu</translation>
    </message>
    <message>
        <source>rafraîchir</source>
        <translation>refresh</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Velmora v2 — modélisation de l&apos;activité enzymatique</source>
        <translation>Velmora v2 — modelling enzyme activity</translation>
    </message>
    <message>
        <source>&amp;Modèle</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Démarrer / recommencer</source>
        <translation>&amp;Start / restart</translation>
    </message>
    <message>
        <source>&amp;Pause / reprise</source>
        <translation>&amp;Pause / resume</translation>
    </message>
    <message>
        <source>&amp;Arrêter</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>Hydrolyse du &amp;lactose</source>
        <translation>&amp;Lactose hydrolysis</translation>
    </message>
    <message>
        <source>&amp;Synthèse du lactose</source>
        <translation>Lactose s&amp;ynthesis</translation>
    </message>
    <message>
        <source>Hydrolyse du &amp;maltose</source>
        <translation>&amp;Maltose hydrolysis</translation>
    </message>
    <message>
        <source>Hydrolyse de l&apos;&amp;amylose</source>
        <translation>&amp;Amylose hydrolysis</translation>
    </message>
    <message>
        <source>Affic&amp;hage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>P&amp;urger les produits</source>
        <translation>&amp;Clear the products</translation>
    </message>
    <message>
        <source>&amp;Nombre maximal de produits à l&apos;écran :</source>
        <translation>&amp;Largest number of products on the screen:</translation>
    </message>
    <message>
        <source>&amp;Mode de représentation</source>
        <translation>&amp;Symbols</translation>
    </message>
    <message>
        <source>&amp;Grands symboles</source>
        <translation>&amp;Large symbols</translation>
    </message>
    <message>
        <source>&amp;Petits symboles</source>
        <translation>&amp;Small symbols</translation>
    </message>
    <message>
        <source>&amp;Cache</source>
        <translation>&amp;Hidden</translation>
    </message>
    <message>
        <source>&amp;En savoir plus sur</source>
        <translation>&amp;Learn more about</translation>
    </message>
    <message>
        <source>la &amp;réaction d&apos;hydrolyse du lactose</source>
        <translation>the &amp;hydrolysis of lactose</translation>
    </message>
    <message>
        <source>le &amp;mécanisme de la catalyse enzymatique</source>
        <translation>the &amp;mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>Volume de la boîte non permis&#xa0;: «&#xa0;%1&#xa0;» (25, 50, 100, 200 ou 400&#xa0;%)</source>
        <translation>Box volume not allowed: “%1” (25, 50, 100, 200 or 400%)</translation>
    </message>
    <message>
        <source>Volume de la boîte&#xa0;: %1&#xa0;%</source>
        <translation>Box volume: %1%</translation>
    </message>
    <message>
        <source>&amp;Volume de la boîte</source>
        <translation>Box &amp;volume</translation>
    </message>
    <message>
        <source>&amp;25&#xa0;%</source>
        <translation>&amp;25%</translation>
    </message>
    <message>
        <source>&amp;50&#xa0;%</source>
        <translation>&amp;50%</translation>
    </message>
    <message>
        <source>&amp;100&#xa0;%</source>
        <translation>&amp;100%</translation>
    </message>
    <message>
        <source>20&amp;0&#xa0;%</source>
        <translation>20&amp;0%</translation>
    </message>
    <message>
        <source>&amp;400&#xa0;%</source>
        <translation>&amp;400%</translation>
    </message>
</context>
<context>
    <name>TShockwaveFlash</name>
    <message>
        <source>Animation introuvable&#xa0;: %1</source>
        <translation>Animation not found: %1</translation>
    </message>
    <message>
        <source>Animation illisible&#xa0;: %1</source>
        <translation>Animation cannot be read: %1</translation>
    </message>
    <message>
        <source>Animation refusée&#xa0;: «&#xa0;%1&#xa0;» ferait exécuter du code au logiciel</source>
        <translation>Animation refused: “%1” would make the program run code</translation>
    </message>
    <message>
        <source>Animation refusée&#xa0;: «&#xa0;%1&#xa0;» prend le nom d’un module installé</source>
        <translation>Animation refused: “%1” takes the name of an installed module</translation>
    </message>
</context>
<context>
    <name>TimeCourse</name>
    <message>
        <source>UA</source>
        <translation>AU</translation>
    </message>
</context>
<context>
    <name>TryButton</name>
    <message>
        <source>▶&#xa0; Essayer dans Velmora</source>
        <translation>▶&#xa0; Try it in Velmora</translation>
    </message>
    <message>
        <source>Essayer dans Velmora</source>
        <translation>Try it in Velmora</translation>
    </message>
    <message>
        <source>Ferme les explications et règle le panneau de commande comme dans ce protocole&#xa0;; démarrez ensuite l’expérience.</source>
        <translation>Closes the explanations and sets the control panel as in this protocol; then start the experiment.</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Molécules</source>
        <translation>Molecules</translation>
    </message>
    <message>
        <source>Graphique&#xa0;: substrat en fonction du temps</source>
        <translation>Graph: substrate against time</translation>
    </message>
    <message>
        <source>Graphique en pourcentage</source>
        <translation>Graph in percentage</translation>
    </message>
    <message>
        <source>Décochée&#xa0;: en unités arbitraires (UA), des molécules</source>
        <translation>Unticked: in arbitrary units (AU), molecules</translation>
    </message>
    <message>
        <source>Haut de l’axe du graphique</source>
        <translation>Top of the graph’s axis</translation>
    </message>
    <message>
        <source>Bas de l’axe du graphique</source>
        <translation>Bottom of the graph’s axis</translation>
    </message>
    <message>
        <source>Temps écoulé</source>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <source>Légende et commentaire</source>
        <translation>Key and comment</translation>
    </message>
    <message>
        <source>Panneau de commande</source>
        <translation>Control panel</translation>
    </message>
</context>
<context>
    <name>amylose</name>
    <message>
        <source>L’amidon et les amylases</source>
        <translation>Starch and the amylases</translation>
    </message>
    <message>
        <source>&lt;b&gt;L’amylose&lt;/b&gt; (20 à 30&amp;nbsp;% de l’amidon)&amp;nbsp;: de longues chaînes &lt;b&gt;non ramifiées&lt;/b&gt;, des centaines de glucoses unis par des liaisons &lt;b&gt;α(1→4)&lt;/b&gt;, enroulées en hélice.</source>
        <translation>&lt;b&gt;Amylose&lt;/b&gt; (20 to 30&amp;nbsp;% of starch): long &lt;b&gt;unbranched&lt;/b&gt; chains, hundreds of glucose molecules joined by &lt;b&gt;α(1→4)&lt;/b&gt; bonds, coiled into a helix.</translation>
    </message>
    <message>
        <source>&lt;b&gt;L’amylopectine&lt;/b&gt; (70 à 80&amp;nbsp;%)&amp;nbsp;: des chaînes &lt;b&gt;ramifiées&lt;/b&gt;. Chaque ramification est une liaison &lt;b&gt;α(1→6)&lt;/b&gt;&amp;nbsp;; il y en a une tous les 20 à 25&amp;nbsp;glucoses environ.</source>
        <translation>&lt;b&gt;Amylopectin&lt;/b&gt; (70 to 80&amp;nbsp;%): &lt;b&gt;branched&lt;/b&gt; chains. Each branch point is an &lt;b&gt;α(1→6)&lt;/b&gt; bond; there is one about every 20 to 25&amp;nbsp;glucose molecules.</translation>
    </message>
    <message>
        <source>schéma&#xa0;: les vraies chaînes sont bien plus longues</source>
        <translation>diagram: real chains are much longer</translation>
    </message>
    <message>
        <source>L’&lt;b&gt;α-amylase&lt;/b&gt; (salive, pancréas) coupe les liaisons α(1→4) &lt;b&gt;à l’intérieur&lt;/b&gt; des chaînes, au hasard&amp;nbsp;: les chaînes raccourcissent vite en &lt;b&gt;dextrines&lt;/b&gt;, puis en maltose et maltotriose.</source>
        <translation>&lt;b&gt;α-Amylase&lt;/b&gt; (saliva, pancreas) cuts α(1→4) bonds &lt;b&gt;inside&lt;/b&gt; the chains, at random: they quickly shorten into &lt;b&gt;dextrins&lt;/b&gt;, then into maltose and maltotriose.</translation>
    </message>
    <message>
        <source>Bouche</source>
        <translation>Mouth</translation>
    </message>
    <message>
        <source>L’α-amylase de la &lt;b&gt;salive&lt;/b&gt; commence à couper l’amidon, à pH voisin de 7. Un morceau de pain mâché longtemps devient sucré.</source>
        <translation>The α-amylase of &lt;b&gt;saliva&lt;/b&gt; starts cutting up starch, at a pH close to 7. A piece of bread chewed for a long time tastes sweet.</translation>
    </message>
    <message>
        <source>Estomac</source>
        <translation>Stomach</translation>
    </message>
    <message>
        <source>L’acidité (pH&amp;nbsp;2 environ) arrête l’amylase salivaire.</source>
        <translation>The acidity (about pH&amp;nbsp;2) stops salivary amylase.</translation>
    </message>
    <message>
        <source>Intestin grêle</source>
        <translation>Small intestine</translation>
    </message>
    <message>
        <source>L’α-amylase du &lt;b&gt;pancréas&lt;/b&gt; continue, à pH voisin de 7 à 8&amp;nbsp;: il reste du maltose, du maltotriose et de petites dextrines.</source>
        <translation>α-Amylase from the &lt;b&gt;pancreas&lt;/b&gt; carries on, at a pH of about 7 to 8: maltose, maltotriose and small dextrins are left.</translation>
    </message>
    <message>
        <source>Paroi de l’intestin</source>
        <translation>Intestinal wall</translation>
    </message>
    <message>
        <source>La &lt;b&gt;maltase&lt;/b&gt; et les autres enzymes de la membrane des cellules donnent du &lt;b&gt;glucose&lt;/b&gt;, qui passe dans le sang.</source>
        <translation>&lt;b&gt;Maltase&lt;/b&gt; and the other enzymes in the membrane of the cells produce &lt;b&gt;glucose&lt;/b&gt;, which passes into the blood.</translation>
    </message>
    <message>
        <source>Une chaîne du modèle&amp;nbsp;: 5&amp;nbsp;unités, soit 10&amp;nbsp;glucoses.</source>
        <translation>A chain in the model: 5&amp;nbsp;units, that is 10&amp;nbsp;glucose molecules.</translation>
    </message>
    <message>
        <source>L’amylase se fixe sur l’unité du bas de la chaîne.</source>
        <translation>The amylase binds to the bottom unit of the chain.</translation>
    </message>
    <message>
        <source>Elle coupe&amp;nbsp;: l’unité du bas part, c’est un maltose.</source>
        <translation>It cuts: the bottom unit leaves as a maltose.</translation>
    </message>
    <message>
        <source>Dans Velmora, choisissez l’&lt;b&gt;hydrolyse de l’amylose&lt;/b&gt;. Chaque unité, dessinée par deux hexagones, représente &lt;b&gt;deux glucoses&lt;/b&gt;. L’amylase du modèle coupe les chaînes &lt;b&gt;par le bas&lt;/b&gt;, une unité à la fois, et libère chaque fois un &lt;b&gt;maltose&lt;/b&gt;&amp;nbsp;: elle travaille comme une &lt;b&gt;β-amylase&lt;/b&gt;.</source>
        <translation>In Velmora, choose &lt;b&gt;amylose hydrolysis&lt;/b&gt;. Each unit, drawn as two hexagons, stands for &lt;b&gt;two glucose molecules&lt;/b&gt;. The model’s amylase cuts the chains &lt;b&gt;from the bottom&lt;/b&gt;, one unit at a time, releasing a &lt;b&gt;maltose&lt;/b&gt; each time: it works like a &lt;b&gt;β-amylase&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>maltoses libérés&amp;nbsp;: %1</source>
        <translation>maltose molecules released: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, à 37&amp;nbsp;°C et à pH&amp;nbsp;7 (l’optimum de l’amylase du modèle), avec 20&amp;nbsp;enzymes et 100&amp;nbsp;unités (20 chaînes), la moitié des unités est détachée des chaînes en %1. Le graphique compte les unités qui restent dans les chaînes.</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, at 37&amp;nbsp;°C and pH&amp;nbsp;7 (the optimum of the model’s amylase), with 20&amp;nbsp;enzymes and 100&amp;nbsp;units (20 chains), half of the units are removed from the chains in %1. The graph counts the units still in the chains.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ce que le modèle simplifie&amp;nbsp;:&lt;/b&gt;</source>
        <translation>&lt;b&gt;What the model simplifies:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>pas de ramifications α(1→6), pas d’hélice&amp;nbsp;: c’est de l’amylose seule&amp;nbsp;;</source>
        <translation>no α(1→6) branches, no helix: it is amylose alone;</translation>
    </message>
    <message>
        <source>l’enzyme coupe seulement par le bout (comme une β-amylase)&amp;nbsp;; la salive et le pancréas ont des α-amylases&amp;nbsp;;</source>
        <translation>the enzyme cuts only from the end (like a β-amylase); saliva and the pancreas have α-amylases;</translation>
    </message>
    <message>
        <source>le maltose formé n’est pas hydrolysé&amp;nbsp;: il n’y a pas de maltase dans cette expérience.</source>
        <translation>the maltose formed is not hydrolysed: there is no maltase in this experiment.</translation>
    </message>
    <message>
        <source>Au laboratoire, on suit cette réaction avec l’eau iodée (l’amidon disparaît) et la liqueur de Fehling (le maltose apparaît).</source>
        <translation>In the laboratory, this reaction is followed with iodine solution (the starch disappears) and Fehling’s solution (maltose appears).</translation>
    </message>
    <message>
        <source>L’&lt;b&gt;amidon&lt;/b&gt;, la réserve de glucose des plantes, est un &lt;b&gt;polyoside&lt;/b&gt;&amp;nbsp;: des milliers de glucoses unis par des liaisons osidiques. Il est fait de deux sortes de molécules.</source>
        <translation>&lt;b&gt;Starch&lt;/b&gt;, the plants’ store of glucose, is a &lt;b&gt;polysaccharide&lt;/b&gt;: thousands of glucoses joined by glycosidic bonds. It is made of two kinds of molecules.</translation>
    </message>
    <message>
        <source>La &lt;b&gt;β-amylase&lt;/b&gt; (plantes&amp;nbsp;: orge qui germe, patate douce) détache le &lt;b&gt;maltose&lt;/b&gt;, deux glucoses à la fois, &lt;b&gt;à partir de l’extrémité non réductrice&lt;/b&gt; de la chaîne, un maltose après l’autre.</source>
        <translation>&lt;b&gt;β-amylase&lt;/b&gt; (plants: germinating barley, sweet potato) releases &lt;b&gt;maltose&lt;/b&gt;, two glucoses at a time, &lt;b&gt;from the non-reducing end&lt;/b&gt; of the chain, one maltose after another.</translation>
    </message>
    <message>
        <source>Aucune des deux ne coupe les liaisons α(1→6)&amp;nbsp;: il reste de petites dextrines ramifiées, que d’autres enzymes de l’intestin coupent. Le maltose est ensuite hydrolysé en glucose par la &lt;b&gt;maltase&lt;/b&gt;. L’eau iodée suit cette digestion, du bleu-noir à l’orangé&amp;nbsp;: voir le sujet «&amp;nbsp;L’eau iodée (lugol)&amp;nbsp;».</source>
        <translation>Neither of them cuts the α(1→6) bonds: small branched dextrins remain, which other enzymes of the intestine cut. The maltose is then hydrolysed to glucose by &lt;b&gt;maltase&lt;/b&gt;. Iodine water follows this digestion, from blue-black to orange: see the topic “Iodine water (Lugol’s)”.</translation>
    </message>
    <message>
        <source>Trois polyosides faits de glucose, trois rôles&amp;nbsp;: ce qui les distingue, c’est la façon dont les glucoses sont liés.</source>
        <translation>Three polysaccharides made of glucose, three roles: what sets them apart is the way the glucoses are joined.</translation>
    </message>
    <message>
        <source>Amidon</source>
        <translation>Starch</translation>
    </message>
    <message>
        <source>réserve des plantes (graines, tubercules)&amp;nbsp;: liaisons α(1→4), des ramifications α(1→6) tous les 20 à 25&amp;nbsp;glucoses dans l’amylopectine.</source>
        <translation>the plants’ store (seeds, tubers): α(1→4) bonds, with α(1→6) branches every 20 to 25&amp;nbsp;glucoses in amylopectin.</translation>
    </message>
    <message>
        <source>Glycogène</source>
        <translation>Glycogen</translation>
    </message>
    <message>
        <source>réserve des animaux (foie, muscles)&amp;nbsp;: comme l’amylopectine, mais plus ramifié, tous les 8 à 12&amp;nbsp;glucoses&amp;nbsp;; coupé par les mêmes sortes d’enzymes.</source>
        <translation>the animals’ store (liver, muscles): like amylopectin, but more branched, every 8 to 12&amp;nbsp;glucoses; cut by the same kinds of enzymes.</translation>
    </message>
    <message>
        <source>Cellulose</source>
        <translation>Cellulose</translation>
    </message>
    <message>
        <source>paroi des cellules végétales&amp;nbsp;: des chaînes droites de glucoses unis en &lt;b&gt;β(1→4)&lt;/b&gt;. Nos amylases ne la coupent pas&amp;nbsp;: seules des cellulases, de bactéries et de champignons, le font (les ruminants les hébergent).</source>
        <translation>the wall of plant cells: straight chains of glucoses joined in &lt;b&gt;β(1→4)&lt;/b&gt;. Our amylases do not cut it: only cellulases, from bacteria and fungi, do (ruminants host them).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’organisme&lt;/b&gt;, la digestion de l’amidon se fait en plusieurs étapes.</source>
        <translation>&lt;b&gt;In the body&lt;/b&gt;, starch is digested in several steps.</translation>
    </message>
    <message>
        <source>Il reste une unité seule&amp;nbsp;: deux glucoses liés, c’est déjà un maltose.</source>
        <translation>One unit is left alone: two joined glucoses, it is already a maltose.</translation>
    </message>
    <message>
        <source>une vraie chaîne d’amylose compte des centaines de glucoses&amp;nbsp;; celles du modèle, 10&amp;nbsp;glucoses (5&amp;nbsp;unités)&amp;nbsp;;</source>
        <translation>a real amylose chain has hundreds of glucoses; the model’s, 10&amp;nbsp;glucoses (5&amp;nbsp;units);</translation>
    </message>
    <message>
        <source>le temps est très ralenti&amp;nbsp;: une amylase du modèle détache moins d’un maltose par seconde&amp;nbsp;;</source>
        <translation>time is greatly slowed: a model amylase releases less than one maltose per second;</translation>
    </message>
    <message>
        <source>L’amidon, réserve des plantes, est fait d’amylose (chaînes droites) et d’amylopectine (ramifiée), des glucoses liés en α(1→4) et α(1→6).</source>
        <translation>Starch, the plants’ store, is made of amylose (straight chains) and amylopectin (branched), glucoses joined in α(1→4) and α(1→6).</translation>
    </message>
    <message>
        <source>Les &lt;b&gt;amylases&lt;/b&gt; le coupent en maltose et dextrines&amp;nbsp;; la maltase de l’intestin donne le glucose, qui passe dans le sang.</source>
        <translation>&lt;b&gt;Amylases&lt;/b&gt; cut it into maltose and dextrins; the intestine’s maltase gives glucose, which passes into the blood.</translation>
    </message>
    <message>
        <source>La cellulose, faite de glucoses liés en β(1→4), n’est pas coupée par nos enzymes&amp;nbsp;: encore la spécificité.</source>
        <translation>Cellulose, made of glucoses joined in β(1→4), is not cut by our enzymes: specificity again.</translation>
    </message>
    <message>
        <source>Pourquoi un morceau de pain mâché longtemps devient-il sucré&amp;nbsp;?</source>
        <translation>Why does a piece of bread chewed for a long time turn sweet?</translation>
    </message>
    <message>
        <source>L’amylase de la salive coupe l’amidon, qui n’a pas de goût sucré, en maltose, qui en a un.</source>
        <translation>The amylase of saliva cuts starch, which does not taste sweet, into maltose, which does.</translation>
    </message>
    <message>
        <source>Pourquoi l’amylase de la salive cesse-t-elle d’agir dans l’estomac&amp;nbsp;?</source>
        <translation>Why does the amylase of saliva stop working in the stomach?</translation>
    </message>
    <message>
        <source>L’estomac est très acide (pH&amp;nbsp;2 environ), loin de son pH optimal, voisin de 7.</source>
        <translation>The stomach is very acid (about pH&amp;nbsp;2), far from its optimum pH, close to 7.</translation>
    </message>
    <message>
        <source>Que détache l’amylase du modèle à chaque coupure&amp;nbsp;?</source>
        <translation>What does the model’s amylase release at each cut?</translation>
    </message>
    <message>
        <source>Une unité du bas de la chaîne, soit deux glucoses liés&amp;nbsp;: un maltose.</source>
        <translation>A unit from the bottom of the chain, that is two joined glucoses: a maltose.</translation>
    </message>
    <message>
        <source>1. bouche</source>
        <translation>1. mouth</translation>
    </message>
    <message>
        <source>2. estomac</source>
        <translation>2. stomach</translation>
    </message>
    <message>
        <source>pancréas</source>
        <translation>pancreas</translation>
    </message>
    <message>
        <source>3 et 4. intestin grêle</source>
        <translation>3 and 4. small intestine</translation>
    </message>
</context>
<context>
    <name>chaudfroid</name>
    <message>
        <source>Le chaud, le froid et les témoins</source>
        <translation>Heat, cold and controls</translation>
    </message>
    <message>
        <source>Quatre tubes d’empois d’amidon, laissés 10&amp;nbsp;min.</source>
        <translation>Four tubes of starch solution, left for 10&amp;nbsp;min.</translation>
    </message>
    <message>
        <source>Après 10&amp;nbsp;min, une goutte de chaque tube dans l’eau iodée.</source>
        <translation>After 10&amp;nbsp;min, a drop from each tube is tested with iodine solution.</translation>
    </message>
    <message>
        <source>amidon + eau (sans enzyme)</source>
        <translation>starch + water (no enzyme)</translation>
    </message>
    <message>
        <source>amidon + amylase</source>
        <translation>starch + amylase</translation>
    </message>
    <message>
        <source>0&amp;nbsp;°C (glace)</source>
        <translation>0&amp;nbsp;°C (ice)</translation>
    </message>
    <message>
        <source>amidon + amylase bouillie puis refroidie</source>
        <translation>starch + amylase (boiled, then cooled)</translation>
    </message>
    <message>
        <source>puis 37&amp;nbsp;°C</source>
        <translation>then 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>A est le &lt;b&gt;témoin sans enzyme&lt;/b&gt;&amp;nbsp;; D est le témoin &lt;b&gt;enzyme bouillie&lt;/b&gt;. Bleu-noir&amp;nbsp;: il reste de l’amidon. Orangé&amp;nbsp;: il n’y a plus d’amidon.</source>
        <translation>A is the &lt;b&gt;no-enzyme control&lt;/b&gt;; D is the &lt;b&gt;boiled-enzyme&lt;/b&gt; control. Blue-black: some starch is left. Orange: there is no starch left.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tube A&lt;/b&gt; (sans enzyme)&amp;nbsp;: l’amidon ne disparaît pas de lui-même à 37&amp;nbsp;°C. C’est bien l’amylase qui l’hydrolyse dans le tube B.</source>
        <translation>&lt;b&gt;Tube A&lt;/b&gt; (no enzyme): starch does not disappear by itself at 37&amp;nbsp;°C. So it really is the amylase that hydrolyses it in tube B.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tube D&lt;/b&gt; (enzyme bouillie)&amp;nbsp;: la chaleur forte déforme la protéine, son site actif est perdu&amp;nbsp;: elle est &lt;b&gt;dénaturée&lt;/b&gt;. Refroidie, elle ne travaille plus. L’effet de la chaleur est &lt;b&gt;irréversible&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Tube D&lt;/b&gt; (boiled enzyme): strong heat changes the shape of the protein and its active site is lost: it is &lt;b&gt;denatured&lt;/b&gt;. Once cooled, it still does not work. The effect of heat is &lt;b&gt;irreversible&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Un témoin ne diffère de l’expérience que par un seul facteur&amp;nbsp;: c’est ce qui permet de dire que ce facteur (l’enzyme, son état) explique la différence de résultat.</source>
        <translation>A control differs from the experiment in one factor only: that is what allows us to say that this factor (the enzyme, its state) explains the difference in the results.</translation>
    </message>
    <message>
        <source>Le modèle montre les mêmes résultats que les tubes. Ses simplifications&amp;nbsp;:</source>
        <translation>The model gives the same results as the tubes. Its simplifications:</translation>
    </message>
    <message>
        <source>à 0&amp;nbsp;°C et en dessous, rien ne bouge dans le modèle&amp;nbsp;: la réaction s’arrête tout à fait. En réalité, elle est très lente, mais pas nulle&amp;nbsp;;</source>
        <translation>at 0&amp;nbsp;°C and below, nothing moves in the model: the reaction stops completely. In reality it is very slow, but not zero;</translation>
    </message>
    <message>
        <source>Puis le tube C est réchauffé 10&amp;nbsp;min à 37&amp;nbsp;°C&amp;nbsp;; le tube D reste 10&amp;nbsp;min de plus à 37&amp;nbsp;°C&amp;nbsp;: nouveau test.</source>
        <translation>Then tube C is warmed for 10&amp;nbsp;min at 37&amp;nbsp;°C; tube D stays 10&amp;nbsp;min more at 37&amp;nbsp;°C: a new test.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tube C&lt;/b&gt; (0&amp;nbsp;°C)&amp;nbsp;: le &lt;b&gt;froid ralentit&lt;/b&gt; la réaction&amp;nbsp;: les molécules s’agitent peu, et peu de leurs rencontres ont assez d’énergie pour aboutir. L’enzyme n’est pas abîmée&amp;nbsp;: réchauffée à 37&amp;nbsp;°C, elle travaille de nouveau. L’effet du froid est &lt;b&gt;réversible&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Tube C&lt;/b&gt; (0&amp;nbsp;°C): &lt;b&gt;cold slows&lt;/b&gt; the reaction: the molecules move little, and few of their encounters have enough energy to succeed. The enzyme is not harmed: warmed to 37&amp;nbsp;°C, it works again. The effect of cold is &lt;b&gt;reversible&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;&amp;nbsp;: hydrolyse de l’amylose, pH&amp;nbsp;7, 20&amp;nbsp;enzymes, 100&amp;nbsp;unités. Démarrez à 0&amp;nbsp;°C et passez à 37&amp;nbsp;°C au bout d’une minute&amp;nbsp;; démarrez à 80&amp;nbsp;°C et passez tout de suite à 37&amp;nbsp;°C&amp;nbsp;; et, pour le témoin, 0&amp;nbsp;enzyme. Unités restantes&amp;nbsp;:</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;: amylose hydrolysis, pH&amp;nbsp;7, 20&amp;nbsp;enzymes, 100&amp;nbsp;units. Start at 0&amp;nbsp;°C and go to 37&amp;nbsp;°C after one minute; start at 80&amp;nbsp;°C and go to 37&amp;nbsp;°C at once; and, for the control, 0&amp;nbsp;enzyme. Units left:</translation>
    </message>
    <message>
        <source>au-dessus de 40&amp;nbsp;°C, une part des enzymes est dénaturée pour toute l’expérience&amp;nbsp;: la moitié à 60&amp;nbsp;°C, toutes à 80&amp;nbsp;°C (au-delà, le modèle calcule comme à 80&amp;nbsp;°C)&amp;nbsp;;</source>
        <translation>above 40&amp;nbsp;°C, a share of the enzymes is denatured for the whole experiment: half at 60&amp;nbsp;°C, all at 80&amp;nbsp;°C (above that, the model computes as at 80&amp;nbsp;°C);</translation>
    </message>
    <message>
        <source>la dénaturation y est immédiate&amp;nbsp;; en réalité, elle prend un peu de temps et dépend de l’enzyme&amp;nbsp;;</source>
        <translation>denaturation is immediate there; in reality, it takes a little time and depends on the enzyme;</translation>
    </message>
    <message>
        <source>le temps est très ralenti&amp;nbsp;: une amylase du modèle détache moins d’un maltose par seconde.</source>
        <translation>time is greatly slowed: a model amylase releases less than one maltose per second.</translation>
    </message>
    <message>
        <source>Hydrolyse de l’amylose à 0&amp;nbsp;°C&amp;nbsp;: démarrez, puis passez à 37&amp;nbsp;°C au bout d’une minute.</source>
        <translation>Amylose hydrolysis at 0&amp;nbsp;°C: start, then go to 37&amp;nbsp;°C after one minute.</translation>
    </message>
    <message>
        <source>Le froid ralentit la réaction sans abîmer l’enzyme&amp;nbsp;: c’est réversible.</source>
        <translation>Cold slows the reaction without harming the enzyme: this is reversible.</translation>
    </message>
    <message>
        <source>Une forte chaleur dénature l’enzyme&amp;nbsp;: son site actif est perdu pour de bon.</source>
        <translation>Strong heat denatures the enzyme: its active site is lost for good.</translation>
    </message>
    <message>
        <source>Un &lt;b&gt;témoin&lt;/b&gt; ne diffère de l’expérience que par un facteur&amp;nbsp;: sans enzyme, ou enzyme bouillie, il montre que l’enzyme, intacte, est la cause du résultat.</source>
        <translation>A &lt;b&gt;control&lt;/b&gt; differs from the experiment by one factor only: without enzyme, or with boiled enzyme, it shows that the enzyme, intact, causes the result.</translation>
    </message>
    <message>
        <source>À quoi sert le tube A, sans enzyme&amp;nbsp;?</source>
        <translation>What is tube A, without enzyme, for?</translation>
    </message>
    <message>
        <source>À montrer que l’amidon ne disparaît pas de lui-même&amp;nbsp;: c’est l’amylase qui l’hydrolyse dans le tube B.</source>
        <translation>To show that starch does not disappear by itself: it is the amylase that hydrolyses it in tube B.</translation>
    </message>
    <message>
        <source>Le tube C, sorti de la glace et mis à 37&amp;nbsp;°C, finit orangé avec l’eau iodée. Qu’en conclure&amp;nbsp;?</source>
        <translation>Tube C, taken out of the ice and put at 37&amp;nbsp;°C, ends up orange with iodine water. What can you conclude?</translation>
    </message>
    <message>
        <source>Le froid n’avait pas abîmé l’amylase&amp;nbsp;: réchauffée, elle a hydrolysé l’amidon. Son effet est réversible.</source>
        <translation>The cold had not harmed the amylase: warmed, it hydrolysed the starch. Its effect is reversible.</translation>
    </message>
</context>
<context>
    <name>courbeactivite</name>
    <message>
        <source>La courbe d’activité&#xa0;: Km, Vmax et inhibition</source>
        <translation>The activity curve: Km, Vmax and inhibition</translation>
    </message>
    <message>
        <source>La &lt;b&gt;courbe d’activité&lt;/b&gt; donne la vitesse initiale v₀ selon la quantité de substrat. Dans Velmora (lactose, 37&amp;nbsp;°C, pH&amp;nbsp;8, 10&amp;nbsp;lactases, boîte de 25&amp;nbsp;%), chaque point est la moyenne de 20&amp;nbsp;expériences, avec leur étendue&amp;nbsp;; la courbe verte est l’ajustement de Michaelis et Menten.</source>
        <translation>The &lt;b&gt;activity curve&lt;/b&gt; gives the initial rate v₀ against the amount of substrate. In Velmora (lactose, 37&amp;nbsp;°C, pH&amp;nbsp;8, 10&amp;nbsp;lactases, 25&amp;nbsp;% box), each point is the mean of 20&amp;nbsp;experiments, with their range; the green curve is the Michaelis–Menten fit.</translation>
    </message>
    <message>
        <source>v₀ croît de moins en moins vite&amp;nbsp;: les enzymes se &lt;b&gt;saturent&lt;/b&gt;, presque toujours occupées quand le substrat abonde.</source>
        <translation>v₀ rises more and more slowly: the enzymes become &lt;b&gt;saturated&lt;/b&gt;, almost always busy when substrate is plentiful.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vmax&lt;/b&gt;, la vitesse quand toutes les enzymes travaillent sans arrêt&amp;nbsp;: ici %1. Elle est proportionnelle à la quantité d’enzyme.</source>
        <translation>&lt;b&gt;Vmax&lt;/b&gt;, the rate when all the enzymes work without a break: here %1. It is proportional to the amount of enzyme.</translation>
    </message>
    <message>
        <source>%1&amp;nbsp;molécules/s</source>
        <translation>%1&amp;nbsp;molecules/s</translation>
    </message>
    <message>
        <source>&lt;b&gt;Km&lt;/b&gt;, la quantité de substrat pour laquelle v₀ vaut la moitié de Vmax&amp;nbsp;: ici %1&amp;nbsp;molécules dans la boîte. Plus Km est petit, plus l’enzyme fixe bien son substrat.</source>
        <translation>&lt;b&gt;Km&lt;/b&gt;, the amount of substrate at which v₀ is half of Vmax: here %1&amp;nbsp;molecules in the box. The smaller Km, the better the enzyme binds its substrate.</translation>
    </message>
    <message>
        <source>v₀&amp;nbsp;= Vmax&amp;nbsp;×&amp;nbsp;S&amp;nbsp;/&amp;nbsp;(Km&amp;nbsp;+&amp;nbsp;S). Compté en molécules, Km dépend du volume de la boîte&amp;nbsp;: c’est une concentration qui compte. Dans la boîte standard, quatre fois plus grande, il est bien plus grand.</source>
        <translation>v₀&amp;nbsp;= Vmax&amp;nbsp;×&amp;nbsp;S&amp;nbsp;/&amp;nbsp;(Km&amp;nbsp;+&amp;nbsp;S). Counted in molecules, Km depends on the volume of the box: a concentration is what counts. In the standard box, four times larger, it is much larger.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lineweaver et Burk&lt;/b&gt; retournent la courbe&amp;nbsp;: 1/v₀ selon 1/S est une droite. Elle coupe l’axe vertical en &lt;b&gt;1/Vmax&lt;/b&gt; et l’axe horizontal en &lt;b&gt;−1/Km&lt;/b&gt;, plus lisibles qu’un plateau jamais atteint. Ici, la droite tracée à partir de l’ajustement, et les moyennes du modèle de 20 à 200&amp;nbsp;molécules.</source>
        <translation>&lt;b&gt;Lineweaver and Burk&lt;/b&gt; turn the curve over: 1/v₀ against 1/S is a straight line. It crosses the vertical axis at &lt;b&gt;1/Vmax&lt;/b&gt; and the horizontal axis at &lt;b&gt;−1/Km&lt;/b&gt;, easier to read than a plateau never reached. Here, the line drawn from the fit, and the model’s means from 20 to 200&amp;nbsp;molecules.</translation>
    </message>
    <message>
        <source>1/v₀&amp;nbsp;= (Km/Vmax)&amp;nbsp;×&amp;nbsp;1/S&amp;nbsp;+&amp;nbsp;1/Vmax</source>
        <translation>1/v₀&amp;nbsp;= (Km/Vmax)&amp;nbsp;×&amp;nbsp;1/S&amp;nbsp;+&amp;nbsp;1/Vmax</translation>
    </message>
    <message>
        <source>Attention&amp;nbsp;: les points des petites quantités de substrat, à droite, pèsent lourd et sont les moins sûrs (leur 1/v₀ est grand et varie beaucoup). Velmora ajuste donc Km et Vmax sur la courbe elle-même, et trace la droite à partir d’eux.</source>
        <translation>Beware: the points for small amounts of substrate, on the right, weigh heavily and are the least reliable (their 1/v₀ is large and varies a lot). Velmora therefore fits Km and Vmax on the curve itself, and draws the line from them.</translation>
    </message>
    <message>
        <source>Ici, Km&amp;nbsp;= %1&amp;nbsp;±&amp;nbsp;%2&amp;nbsp;molécules et Vmax&amp;nbsp;= %3&amp;nbsp;±&amp;nbsp;%4&amp;nbsp;molécules/s.</source>
        <translation>Here, Km&amp;nbsp;= %1&amp;nbsp;±&amp;nbsp;%2&amp;nbsp;molecules and Vmax&amp;nbsp;= %3&amp;nbsp;±&amp;nbsp;%4&amp;nbsp;molecules/s.</translation>
    </message>
    <message>
        <source>Avec 100&amp;nbsp;thiolactoses (courbe jaune), la vitesse baisse, surtout avec peu de lactose&amp;nbsp;: &lt;b&gt;Km augmente&lt;/b&gt; (de %1 à %2&amp;nbsp;molécules environ), &lt;b&gt;Vmax ne change pas&lt;/b&gt; (%3 sans, %4 avec). Beaucoup de substrat chasse l’inhibiteur&amp;nbsp;: il est &lt;b&gt;compétitif&lt;/b&gt;.</source>
        <translation>With 100&amp;nbsp;thiolactoses (yellow curve), the rate drops, above all with little lactose: &lt;b&gt;Km rises&lt;/b&gt; (from about %1 to %2&amp;nbsp;molecules), &lt;b&gt;Vmax does not change&lt;/b&gt; (%3 without, %4 with). Plenty of substrate drives the inhibitor out: it is &lt;b&gt;competitive&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>%1&amp;nbsp;±&amp;nbsp;%2</source>
        <translation>%1&amp;nbsp;±&amp;nbsp;%2</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>Km</translation>
    </message>
    <message>
        <source>Vmax</source>
        <translation>Vmax</translation>
    </message>
    <message>
        <source>compétitif (thiolactose)</source>
        <translation>competitive (thiolactose)</translation>
    </message>
    <message>
        <source>augmente</source>
        <translation>rises</translation>
    </message>
    <message>
        <source>inchangée</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>non compétitif</source>
        <translation>non-competitive</translation>
    </message>
    <message>
        <source>inchangé</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>diminue</source>
        <translation>falls</translation>
    </message>
    <message>
        <source>irréversible (métaux lourds)</source>
        <translation>irreversible (heavy metals)</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>diminue, pour de bon</source>
        <translation>falls, for good</translation>
    </message>
    <message>
        <source>Un inhibiteur &lt;b&gt;non compétitif&lt;/b&gt; se fixe ailleurs que sur le site actif et freine l’enzyme quelle que soit la quantité de substrat. Un inhibiteur &lt;b&gt;irréversible&lt;/b&gt;, comme les ions du mercure ou du plomb, s’accroche à l’enzyme et l’abîme&amp;nbsp;: autant d’enzyme en moins. Velmora ne simule que le thiolactose.</source>
        <translation>A &lt;b&gt;non-competitive&lt;/b&gt; inhibitor binds elsewhere than at the active site and slows the enzyme whatever the amount of substrate. An &lt;b&gt;irreversible&lt;/b&gt; inhibitor, such as mercury or lead ions, clings to the enzyme and damages it: that much less enzyme. Velmora simulates thiolactose only.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, la fenêtre «&amp;nbsp;Courbe d’activité&amp;nbsp;» fait les expériences elle-même&amp;nbsp;:</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, the “Activity curve” window runs the experiments itself:</translation>
    </message>
    <message>
        <source>choisissez l’hydrolyse du lactose, 37&amp;nbsp;°C, pH&amp;nbsp;8, 10&amp;nbsp;enzymes, et une boîte de 25&amp;nbsp;% (menu Modèle, «&amp;nbsp;Volume de la boîte&amp;nbsp;»)&amp;nbsp;: dans la boîte standard, Km approche ou dépasse les 200&amp;nbsp;molécules du curseur, et le plateau ne se voit pas&amp;nbsp;;</source>
        <translation>choose lactose hydrolysis, 37&amp;nbsp;°C, pH&amp;nbsp;8, 10&amp;nbsp;enzymes, and a 25&amp;nbsp;% box (Model menu, “Box volume”): in the standard box, Km comes close to or beyond the slider’s 200&amp;nbsp;molecules, and the plateau does not show;</translation>
    </message>
    <message>
        <source>clic droit sur le graphique, «&amp;nbsp;Courbe d’activité&amp;nbsp;», «&amp;nbsp;selon la quantité de substrat&amp;nbsp;»&amp;nbsp;: la courbe, l’ajustement de Michaelis et Menten (Km, Vmax) et, sur demande, la droite de Lineweaver et Burk&amp;nbsp;;</source>
        <translation>right-click the graph, “Activity curve”, “against the amount of substrate”: the curve, the Michaelis–Menten fit (Km, Vmax) and, on request, the Lineweaver–Burk line;</translation>
    </message>
    <message>
        <source>mettez du thiolactose sur le panneau&amp;nbsp;: la fenêtre trace les courbes sans et avec l’inhibiteur, et compare la lecture compétitive aux deux ajustements séparés.</source>
        <translation>put some thiolactose on the panel: the window draws the curves without and with the inhibitor, and compares the competitive reading with the two separate fits.</translation>
    </message>
    <message>
        <source>Les courbes de ce sujet prennent pour vitesse initiale la pente des 5 premières secondes, comme les expériences guidées&amp;nbsp;; la fenêtre, elle, mesure d’abord le temps mis pour transformer le premier quart du substrat (le premier dixième pour ses autres courbes), au vingtième de seconde. Ses chiffres sont donc différents&amp;nbsp;: comparez des courbes faites de la même façon. La fenêtre donne aussi la commande équivalente de velmora2-batch.</source>
        <translation>The curves of this topic take as initial rate the slope over the first 5 seconds, as the guided experiments do; the window first measures the time taken to transform the first quarter of the substrate (the first tenth for its other curves), to a twentieth of a second. Its figures are therefore different: compare curves made the same way. The window also gives the equivalent velmora2-batch command.</translation>
    </message>
    <message>
        <source>La vitesse initiale v₀ croît avec la quantité de substrat, de moins en moins vite&amp;nbsp;: les enzymes se saturent.</source>
        <translation>The initial rate v₀ rises with the amount of substrate, more and more slowly: the enzymes become saturated.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Vmax&lt;/b&gt; est la vitesse à saturation&amp;nbsp;; &lt;b&gt;Km&lt;/b&gt; la quantité de substrat qui donne la moitié de Vmax.</source>
        <translation>&lt;b&gt;Vmax&lt;/b&gt; is the rate at saturation; &lt;b&gt;Km&lt;/b&gt; the amount of substrate that gives half of Vmax.</translation>
    </message>
    <message>
        <source>La droite de Lineweaver et Burk (1/v₀ selon 1/S) coupe les axes en 1/Vmax et −1/Km.</source>
        <translation>The Lineweaver–Burk line (1/v₀ against 1/S) crosses the axes at 1/Vmax and −1/Km.</translation>
    </message>
    <message>
        <source>Un inhibiteur compétitif augmente Km sans changer Vmax&amp;nbsp;; un non compétitif diminue Vmax.</source>
        <translation>A competitive inhibitor raises Km without changing Vmax; a non-competitive one lowers Vmax.</translation>
    </message>
    <message>
        <source>Pourquoi Velmora a-t-il besoin d’une boîte de 25&amp;nbsp;% pour montrer le plateau&amp;nbsp;?</source>
        <translation>Why does Velmora need a 25&amp;nbsp;% box to show the plateau?</translation>
    </message>
    <message>
        <source>Dans la boîte standard, quatre fois plus grande, 200&amp;nbsp;molécules sont peu concentrées&amp;nbsp;: Km y approche ou dépasse 200 et la courbe ne s’aplatit pas encore.</source>
        <translation>In the standard box, four times larger, 200&amp;nbsp;molecules are not very concentrated: Km there comes close to or beyond 200 and the curve does not flatten yet.</translation>
    </message>
    <message>
        <source>Avec un inhibiteur compétitif, où se coupent les droites de Lineweaver et Burk&amp;nbsp;?</source>
        <translation>With a competitive inhibitor, where do the Lineweaver–Burk lines cross?</translation>
    </message>
    <message>
        <source>Sur l’axe vertical, en 1/Vmax&amp;nbsp;: Vmax ne change pas, seule la pente (Km/Vmax) augmente.</source>
        <translation>On the vertical axis, at 1/Vmax: Vmax does not change, only the slope (Km/Vmax) rises.</translation>
    </message>
</context>
<context>
    <name>eauiodee</name>
    <message>
        <source>L’eau iodée (lugol), le test de l’amidon</source>
        <translation>Iodine solution (Lugol’s), the test for starch</translation>
    </message>
    <message>
        <source>eau</source>
        <translation>water</translation>
    </message>
    <message>
        <source>amidon</source>
        <translation>starch</translation>
    </message>
    <message>
        <source>Quelques gouttes d’eau iodée ajoutées&#xa0;: seul l’amidon bleuit.</source>
        <translation>A few drops of iodine solution added: only the starch turns blue.</translation>
    </message>
    <message>
        <source>Ajoutons quelques gouttes d’eau iodée…</source>
        <translation>Let us add a few drops of iodine solution…</translation>
    </message>
    <message>
        <source>bleu-noir</source>
        <translation>blue-black</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>rouge-brun</source>
        <translation>red-brown</translation>
    </message>
    <message>
        <source>orangé</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>%1&#xa0;min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>Quand l’eau iodée reste orangée, il n’y a plus d’amidon&amp;nbsp;; les petits fragments continuent d’être hydrolysés.</source>
        <translation>When the iodine solution stays orange, there is no starch left; the small fragments go on being hydrolysed.</translation>
    </message>
    <message>
        <source>L’&lt;b&gt;eau iodée&lt;/b&gt; (ou lugol) est une solution de diiode dans une solution d’iodure de potassium, de couleur &lt;b&gt;orangée&lt;/b&gt;. Avec de l’&lt;b&gt;amidon&lt;/b&gt;, elle devient &lt;b&gt;bleu-noir&lt;/b&gt;&amp;nbsp;: le diiode se loge à l’intérieur des longues chaînes d’amylose, enroulées en hélice.</source>
        <translation>&lt;b&gt;Iodine water&lt;/b&gt; (or Lugol’s solution) is a solution of iodine in a solution of potassium iodide, &lt;b&gt;orange&lt;/b&gt; in colour. With &lt;b&gt;starch&lt;/b&gt; it turns &lt;b&gt;blue-black&lt;/b&gt;: the iodine settles inside the long amylose chains, coiled in a helix.</translation>
    </message>
    <message>
        <source>On mélange de l’amidon et de la salive, qui contient de l’&lt;b&gt;α-amylase&lt;/b&gt;, et on prélève une goutte toutes les minutes dans de l’eau iodée. L’α-amylase coupe les chaînes &lt;b&gt;au hasard, à l’intérieur&lt;/b&gt;&amp;nbsp;: elles raccourcissent (ce sont des &lt;b&gt;dextrines&lt;/b&gt;), puis donnent surtout du &lt;b&gt;maltose&lt;/b&gt;, qui ne colore pas l’eau iodée.</source>
        <translation>Starch and saliva, which contains &lt;b&gt;α-amylase&lt;/b&gt;, are mixed, and a drop is taken every minute into iodine water. α-Amylase cuts the chains &lt;b&gt;at random, inside&lt;/b&gt;: they get shorter (these are &lt;b&gt;dextrins&lt;/b&gt;), then give mostly &lt;b&gt;maltose&lt;/b&gt;, which does not colour iodine water.</translation>
    </message>
    <message>
        <source>Velmora n’a pas d’eau iodée&amp;nbsp;: son graphique compte directement les &lt;b&gt;unités d’amylose&lt;/b&gt; qui restent dans les chaînes. Choisissez l’&lt;b&gt;hydrolyse de l’amylose&lt;/b&gt;&amp;nbsp;: quand la courbe arrive à zéro, il n’y a plus d’amylose, et l’eau iodée resterait orangée.</source>
        <translation>Velmora has no iodine water: its graph directly counts the &lt;b&gt;amylose units&lt;/b&gt; left in the chains. Choose &lt;b&gt;amylose hydrolysis&lt;/b&gt;: when the curve reaches zero there is no amylose left, and iodine water would stay orange.</translation>
    </message>
    <message>
        <source>des chaînes du modèle</source>
        <translation>chains of the model</translation>
    </message>
    <message>
        <source>Chaque chaîne du modèle est une colonne de cinq unités, et chaque unité représente deux glucoses. L’enzyme du modèle coupe les chaînes par le bas, une unité à la fois&amp;nbsp;: comment, et ce que le modèle simplifie, dans le sujet «&amp;nbsp;L’amidon et les amylases&amp;nbsp;».</source>
        <translation>Each chain of the model is a column of five units, and each unit stands for two glucoses. The model’s enzyme cuts the chains from the bottom, one unit at a time: how, and what the model simplifies, in the topic “Starch and the amylases”.</translation>
    </message>
    <message>
        <source>L’eau iodée est orangée&amp;nbsp;; elle devient &lt;b&gt;bleu-noir&lt;/b&gt; avec l’amidon, et avec lui seul.</source>
        <translation>Iodine water is orange; it turns &lt;b&gt;blue-black&lt;/b&gt; with starch, and with starch only.</translation>
    </message>
    <message>
        <source>Pendant la digestion de l’amidon, la couleur passe du bleu-noir au violet, au rouge-brun puis à l’orangé&amp;nbsp;: les chaînes raccourcissent.</source>
        <translation>As starch is digested, the colour goes from blue-black to violet, red-brown then orange: the chains get shorter.</translation>
    </message>
    <message>
        <source>Une eau iodée qui reste orangée dit qu’il n’y a plus d’amidon, pas que la digestion est finie.</source>
        <translation>Iodine water that stays orange says there is no starch left, not that digestion is over.</translation>
    </message>
    <message>
        <source>Un tube d’amidon et de salive reste bleu-noir avec l’eau iodée après 10&amp;nbsp;min à 0&amp;nbsp;°C. Pourquoi&amp;nbsp;?</source>
        <translation>A tube of starch and saliva stays blue-black with iodine water after 10&amp;nbsp;min at 0&amp;nbsp;°C. Why?</translation>
    </message>
    <message>
        <source>Au froid, l’amylase travaille très lentement&amp;nbsp;: l’amidon est encore là.</source>
        <translation>In the cold, the amylase works very slowly: the starch is still there.</translation>
    </message>
    <message>
        <source>L’eau iodée permet-elle de voir le maltose formé&amp;nbsp;?</source>
        <translation>Does iodine water show the maltose formed?</translation>
    </message>
    <message>
        <source>Non&amp;nbsp;: le maltose ne la colore pas. Il faut la liqueur de Fehling.</source>
        <translation>No: maltose does not colour it. Fehling’s solution is needed.</translation>
    </message>
</context>
<context>
    <name>ensavoirplus</name>
    <message>
        <source>Fermer les explications</source>
        <translation>Close the explanations</translation>
    </message>
    <message>
        <source>Page&#xa0;: %1</source>
        <translation>Page: %1</translation>
    </message>
    <message>
        <source>page affichée</source>
        <translation>page shown</translation>
    </message>
    <message>
        <source>sujets vus&#xa0;: %1 sur %2</source>
        <translation>topics seen: %1 of %2</translation>
    </message>
    <message>
        <source>(vu en dernier)</source>
        <translation>(seen last)</translation>
    </message>
    <message>
        <source>(déjà vu)</source>
        <translation>(already seen)</translation>
    </message>
    <message>
        <source>La réaction d’hydrolyse du lactose</source>
        <translation>The hydrolysis of lactose</translation>
    </message>
    <message>
        <source>Le mécanisme de la catalyse enzymatique</source>
        <translation>The mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>La molécule de lactose</source>
        <translation>The lactose molecule</translation>
    </message>
    <message>
        <source>Sa formule&amp;nbsp;: un galactose et un glucose unis par une liaison β(1→4).</source>
        <translation>Its formula: a galactose and a glucose joined by a β(1→4) bond.</translation>
    </message>
    <message>
        <source>Le lactose en trois dimensions</source>
        <translation>Lactose in three dimensions</translation>
    </message>
    <message>
        <source>Tournez la molécule avec la souris.</source>
        <translation>Turn the molecule with the mouse.</translation>
    </message>
    <message>
        <source>Utiliser Velmora</source>
        <translation>Using Velmora</translation>
    </message>
    <message>
        <source>L’eau iodée (lugol)</source>
        <translation>Iodine solution (Lugol’s)</translation>
    </message>
    <message>
        <source>Le test de l’amidon&amp;nbsp;: bleu-noir, la couleur pâlit à mesure que l’amidon disparaît.</source>
        <translation>The starch test: blue-black, the colour fades as the starch disappears.</translation>
    </message>
    <message>
        <source>La liqueur de Fehling</source>
        <translation>Fehling’s solution</translation>
    </message>
    <message>
        <source>Le test des sucres réducteurs&amp;nbsp;: un précipité rouge brique à chaud.</source>
        <translation>The test for reducing sugars: a brick-red precipitate when heated.</translation>
    </message>
    <message>
        <source>L’hydrolyse du maltose</source>
        <translation>The hydrolysis of maltose</translation>
    </message>
    <message>
        <source>La maltase coupe la liaison α(1→4) du maltose&amp;nbsp;; la lactase ne la coupe pas.</source>
        <translation>Maltase cuts the α(1→4) bond of maltose; lactase does not.</translation>
    </message>
    <message>
        <source>L’amidon et les amylases</source>
        <translation>Starch and the amylases</translation>
    </message>
    <message>
        <source>La synthèse du lactose</source>
        <translation>The synthesis of lactose</translation>
    </message>
    <message>
        <source>Dans la glande mammaire&amp;nbsp;: glucose + UDP-galactose, grâce à la lactose synthase.</source>
        <translation>In the mammary gland: glucose + UDP-galactose, thanks to lactose synthase.</translation>
    </message>
    <message>
        <source>Un inhibiteur&amp;nbsp;: le thiolactose</source>
        <translation>An inhibitor: thiolactose</translation>
    </message>
    <message>
        <source>Un soufre à la place d’un oxygène&amp;nbsp;: la lactase le retient sans le couper.</source>
        <translation>A sulphur in place of an oxygen: lactase holds it without cutting it.</translation>
    </message>
    <message>
        <source>L’hydrolyse acide, sans enzyme</source>
        <translation>Acid hydrolysis, without an enzyme</translation>
    </message>
    <message>
        <source>Un acide fort et la chaleur coupent tous les sucres, mais lentement.</source>
        <translation>A strong acid and heat cut all the sugars, but slowly.</translation>
    </message>
    <message>
        <source>Le chaud, le froid et les témoins</source>
        <translation>Heat, cold and the controls</translation>
    </message>
    <message>
        <source>Le froid ralentit, la chaleur dénature&amp;nbsp;: une expérience et ses témoins.</source>
        <translation>Cold slows down, heat denatures: an experiment and its controls.</translation>
    </message>
    <message>
        <source>Expériences guidées</source>
        <translation>Guided experiments</translation>
    </message>
    <message>
        <source>Quel test pour quelle réaction&amp;nbsp;?</source>
        <translation>Which test for which reaction?</translation>
    </message>
    <message>
        <source>Eau iodée, liqueur de Fehling, bandelette à glucose&amp;nbsp;: ce que chacun montre.</source>
        <translation>Iodine solution, Fehling’s solution, glucose test strip: what each one shows.</translation>
    </message>
    <message>
        <source>En savoir plus</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>Catalyse enzymatique&amp;nbsp;: choisissez un sujet</source>
        <translation>Enzyme catalysis: choose a topic</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>vu en dernier</source>
        <translation>seen last</translation>
    </message>
    <message>
        <source>✓ déjà vu</source>
        <translation>✓ already seen</translation>
    </message>
    <message>
        <source>L’enzyme</source>
        <translation>The enzyme</translation>
    </message>
    <message>
        <source>Les sucres et leurs réactions</source>
        <translation>Sugars and their reactions</translation>
    </message>
    <message>
        <source>Les tests de laboratoire</source>
        <translation>Laboratory tests</translation>
    </message>
    <message>
        <source>Expériences et mesures</source>
        <translation>Experiments and measurements</translation>
    </message>
    <message>
        <source>Le lactose et l’eau donnent du glucose et du galactose, grâce à la lactase&amp;nbsp;; la persistance de la lactase.</source>
        <translation>Lactose and water give glucose and galactose, thanks to lactase; lactase persistence.</translation>
    </message>
    <message>
        <source>La protéine et son site actif, l’énergie d’activation&amp;nbsp;; effets de la température, du pH et d’un inhibiteur.</source>
        <translation>The protein and its active site, the activation energy; the effects of temperature, pH and an inhibitor.</translation>
    </message>
    <message>
        <source>L’écran, le panneau de commande, le graphique et ses outils&amp;nbsp;; le modèle et la réalité.</source>
        <translation>The screen, the control panel, the graph and its tools; the model and reality.</translation>
    </message>
    <message>
        <source>Amylose et amylopectine, glycogène et cellulose&amp;nbsp;; amylases α et β, de la bouche à l’intestin.</source>
        <translation>Amylose and amylopectin, glycogen and cellulose; α- and β-amylases, from the mouth to the intestine.</translation>
    </message>
    <message>
        <source>Mesurer une vitesse initiale, puis six expériences&amp;nbsp;: vos mesures dans un tableau, les réponses du modèle.</source>
        <translation>Measuring an initial rate, then six experiments: your measurements in a table, the model’s answers.</translation>
    </message>
    <message>
        <source>Le saccharose et l’invertase</source>
        <translation>Sucrose and invertase</translation>
    </message>
    <message>
        <source>Le sucre de table, non réducteur, et son hydrolyse en sucre inverti.</source>
        <translation>Table sugar, not reducing, and its hydrolysis into invert sugar.</translation>
    </message>
    <message>
        <source>La courbe d’activité</source>
        <translation>The activity curve</translation>
    </message>
    <message>
        <source>La vitesse initiale selon le substrat&amp;nbsp;: Km, Vmax, Lineweaver et Burk, inhibiteur compétitif.</source>
        <translation>The initial rate against the substrate: Km, Vmax, Lineweaver and Burk, competitive inhibitor.</translation>
    </message>
</context>
<context>
    <name>experiences</name>
    <message>
        <source>Expériences guidées</source>
        <translation>Guided experiments</translation>
    </message>
    <message>
        <source>Protocole</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Ce que donne le modèle</source>
        <translation>What the model gives</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Voir les réponses du modèle</source>
        <translation>See the model’s answers</translation>
    </message>
    <message>
        <source>Six expériences à faire dans Velmora&amp;nbsp;: la &lt;b&gt;température&lt;/b&gt;, le &lt;b&gt;pH&lt;/b&gt;, la &lt;b&gt;quantité d’enzyme&lt;/b&gt;, la &lt;b&gt;quantité de substrat&lt;/b&gt;, un &lt;b&gt;inhibiteur&lt;/b&gt; et le &lt;b&gt;choix de la réaction&lt;/b&gt;.</source>
        <translation>Six experiments to do in Velmora: &lt;b&gt;temperature&lt;/b&gt;, &lt;b&gt;pH&lt;/b&gt;, the &lt;b&gt;amount of enzyme&lt;/b&gt;, the &lt;b&gt;amount of substrate&lt;/b&gt;, an &lt;b&gt;inhibitor&lt;/b&gt; and the &lt;b&gt;choice of reaction&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. La température</source>
        <translation>1. Temperature</translation>
    </message>
    <message>
        <source>2. Le pH</source>
        <translation>2. pH</translation>
    </message>
    <message>
        <source>a) À quel pH la réaction est-elle la plus rapide&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Comparez pH&amp;nbsp;6 et pH&amp;nbsp;10, pH&amp;nbsp;5 et pH&amp;nbsp;11. Que remarquez-vous&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Que se passe-t-il à pH&amp;nbsp;3&amp;nbsp;? Pourquoi&amp;nbsp;?</source>
        <translation>a) At what pH is the reaction fastest?&lt;br&gt;&lt;br&gt;b) Compare pH&amp;nbsp;6 and pH&amp;nbsp;10, pH&amp;nbsp;5 and pH&amp;nbsp;11. What do you notice?&lt;br&gt;&lt;br&gt;c) What happens at pH&amp;nbsp;3? Why?</translation>
    </message>
    <message>
        <source>3. La quantité d’enzyme</source>
        <translation>3. The amount of enzyme</translation>
    </message>
    <message>
        <source>4. La quantité de substrat&amp;nbsp;: la saturation</source>
        <translation>4. The amount of substrate: saturation</translation>
    </message>
    <message>
        <source>5. Un inhibiteur&amp;nbsp;: le thiolactose</source>
        <translation>5. An inhibitor: thiolactose</translation>
    </message>
    <message>
        <source>6. Les quatre réactions</source>
        <translation>6. The four reactions</translation>
    </message>
    <message>
        <source>a) Quel est le pH optimal de chaque enzyme&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Quels produits voit-on pour chaque réaction&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Pourquoi la courbe de la synthèse du lactose ne descend-elle pas jusqu’à zéro&amp;nbsp;?&lt;br&gt;&lt;br&gt;d) Quel test de laboratoire suivrait chaque réaction&amp;nbsp;?</source>
        <translation>a) What is the optimum pH of each enzyme?&lt;br&gt;&lt;br&gt;b) Which products do you see for each reaction?&lt;br&gt;&lt;br&gt;c) Why does the curve of lactose synthesis not go down to zero?&lt;br&gt;&lt;br&gt;d) Which laboratory test would follow each reaction?</translation>
    </message>
    <message>
        <source>Vos mesures</source>
        <translation>Your measurements</translation>
    </message>
    <message>
        <source>Notez le substrat qui reste à 5&amp;nbsp;s (en molécules), trois fois&amp;nbsp;; la moyenne est la vitesse initiale v₀&amp;nbsp;= (départ&amp;nbsp;− reste à 5&amp;nbsp;s)&amp;nbsp;/&amp;nbsp;5, en molécules par seconde.</source>
        <translation>Note the substrate left at 5&amp;nbsp;s (in molecules), three times; the mean gives the initial rate v₀&amp;nbsp;= (start&amp;nbsp;− left at 5&amp;nbsp;s)&amp;nbsp;/&amp;nbsp;5, in molecules per second.</translation>
    </message>
    <message>
        <source>Notez le temps de demi-réaction (en secondes), trois fois&amp;nbsp;; la dernière colonne en donne la moyenne.</source>
        <translation>Note the half-time (in seconds), three times; the last column gives the mean.</translation>
    </message>
    <message>
        <source>essai 1</source>
        <translation>trial 1</translation>
    </message>
    <message>
        <source>essai 2</source>
        <translation>trial 2</translation>
    </message>
    <message>
        <source>essai 3</source>
        <translation>trial 3</translation>
    </message>
    <message>
        <source>v₀ moyenne</source>
        <translation>mean v₀</translation>
    </message>
    <message>
        <source>moyenne</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>%1, essai %2</source>
        <translation>%1, trial %2</translation>
    </message>
    <message>
        <source>Cacher les réponses du modèle</source>
        <translation>Hide the model’s answers</translation>
    </message>
    <message>
        <source>Votre professeur donnera les réponses du modèle.</source>
        <translation>Your teacher will give the model’s answers.</translation>
    </message>
    <message>
        <source>Répondez d’abord avec vos propres mesures.</source>
        <translation>Answer with your own measurements first.</translation>
    </message>
    <message>
        <source>vitesse initiale, en molécules par seconde</source>
        <translation>initial rate, in molecules per second</translation>
    </message>
    <message>
        <source>temps de demi-réaction</source>
        <translation>half-time</translation>
    </message>
    <message>
        <source>votre moyenne&amp;nbsp;; le trait noir&amp;nbsp;: de la plus petite à la plus grande des 20&amp;nbsp;expériences</source>
        <translation>your mean; the black line: from the smallest to the largest of the 20&amp;nbsp;experiments</translation>
    </message>
    <message>
        <source>&amp;nbsp;; la barre verte&amp;nbsp;: la vitesse, 50&amp;nbsp;/&amp;nbsp;t½</source>
        <translation>; the green bar: the rate, 50&amp;nbsp;/&amp;nbsp;t½</translation>
    </message>
    <message>
        <source>vous&amp;nbsp;: %1</source>
        <translation>you: %1</translation>
    </message>
    <message>
        <source>lactose</source>
        <translation>lactose</translation>
    </message>
    <message>
        <source>sans thiolactose</source>
        <translation>no thiolactose</translation>
    </message>
    <message>
        <source>avec 100&amp;nbsp;thiolactoses</source>
        <translation>with 100&amp;nbsp;thiolactoses</translation>
    </message>
    <message>
        <source>part gardée</source>
        <translation>share kept</translation>
    </message>
    <message>
        <source>1. Réglez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt; à &lt;b&gt;10&amp;nbsp;°C&lt;/b&gt;, pH&amp;nbsp;8, 20&amp;nbsp;enzymes, 100&amp;nbsp;lactoses, aucun thiolactose.&lt;br&gt;2. Démarrez et notez le temps de demi-réaction, quand la courbe passe sous 50&amp;nbsp;%. Recommencez deux fois.&lt;br&gt;3. De même à 20, 30, 37, 40, 50, 60 et 70&amp;nbsp;°C, puis regardez ce qui se passe à 0 et à 80&amp;nbsp;°C.&lt;br&gt;&lt;br&gt;À 10&amp;nbsp;°C, la pente des 5&amp;nbsp;premières secondes est nulle&amp;nbsp;: chaque enzyme met plus de 5&amp;nbsp;s à couper sa première molécule. Le temps de demi-réaction, lui, se mesure partout.</source>
        <translation>1. Set &lt;b&gt;lactose hydrolysis&lt;/b&gt; at &lt;b&gt;10&amp;nbsp;°C&lt;/b&gt;, pH&amp;nbsp;8, 20&amp;nbsp;enzymes, 100&amp;nbsp;lactoses, no thiolactose.&lt;br&gt;2. Start and note the half-time, when the curve goes below 50&amp;nbsp;%. Do it twice more.&lt;br&gt;3. The same at 20, 30, 37, 40, 50, 60 and 70&amp;nbsp;°C, then look at what happens at 0 and at 80&amp;nbsp;°C.&lt;br&gt;&lt;br&gt;At 10&amp;nbsp;°C, the slope over the first 5&amp;nbsp;seconds is zero: each enzyme takes more than 5&amp;nbsp;s to cut its first molecule. The half-time can be measured everywhere.</translation>
    </message>
    <message>
        <source>a) Comment la vitesse varie-t-elle de 10 à 40&amp;nbsp;°C&amp;nbsp;? Pourquoi&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Que se passe-t-il au-dessus de 50&amp;nbsp;°C&amp;nbsp;? Et à 80&amp;nbsp;°C&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) À quelle température la lactase du modèle est-elle la plus rapide&amp;nbsp;? Est-ce celle de la lactase de notre intestin&amp;nbsp;?&lt;br&gt;&lt;br&gt;d) Et à 0&amp;nbsp;°C&amp;nbsp;?&lt;br&gt;&lt;br&gt;e) Vos temps tombent-ils dans les intervalles du modèle&amp;nbsp;?</source>
        <translation>a) How does the rate change from 10 to 40&amp;nbsp;°C? Why?&lt;br&gt;&lt;br&gt;b) What happens above 50&amp;nbsp;°C? And at 80&amp;nbsp;°C?&lt;br&gt;&lt;br&gt;c) At what temperature is the model’s lactase fastest? Is it that of the lactase of our gut?&lt;br&gt;&lt;br&gt;d) And at 0&amp;nbsp;°C?&lt;br&gt;&lt;br&gt;e) Do your times fall within the model’s ranges?</translation>
    </message>
    <message>
        <source>a) Elle augmente avec la chaleur&amp;nbsp;: plus de rencontres ont assez d’énergie pour aboutir (énergie d’activation)&amp;nbsp;; dans le modèle, l’enzyme coupe aussi plus vite.&lt;br&gt;b) Au-delà de 40&amp;nbsp;°C, une part croissante des enzymes est &lt;b&gt;dénaturée&lt;/b&gt;&amp;nbsp;: la réaction ralentit après 50&amp;nbsp;°C, et à 80&amp;nbsp;°C toutes le sont, plus rien ne se passe.&lt;br&gt;c) Vers &lt;b&gt;40 à 50&amp;nbsp;°C&lt;/b&gt;&amp;nbsp;; la lactase humaine travaille à 37&amp;nbsp;°C.&lt;br&gt;d) Rien ne bouge dans le modèle (en réalité, très lent).&lt;br&gt;e) Presque toujours&amp;nbsp;; la moyenne de trois essais est plus sûre qu’un seul.</source>
        <translation>a) It rises with heat: more encounters have enough energy to succeed (activation energy); in the model, the enzyme also cuts faster.&lt;br&gt;b) Above 40&amp;nbsp;°C, a growing share of the enzymes is &lt;b&gt;denatured&lt;/b&gt;: the reaction slows beyond 50&amp;nbsp;°C, and at 80&amp;nbsp;°C all of them are, nothing happens any more.&lt;br&gt;c) Around &lt;b&gt;40 to 50&amp;nbsp;°C&lt;/b&gt;; human lactase works at 37&amp;nbsp;°C.&lt;br&gt;d) Nothing moves in the model (in reality, very slow).&lt;br&gt;e) Almost always; the mean of three trials is more reliable than one.</translation>
    </message>
    <message>
        <source>1. Réglez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt; à 37&amp;nbsp;°C et &lt;b&gt;pH&amp;nbsp;3&lt;/b&gt;, 20&amp;nbsp;enzymes, 100&amp;nbsp;lactoses, aucun thiolactose.&lt;br&gt;2. Décochez «&amp;nbsp;pourcentage&amp;nbsp;», démarrez et notez le substrat qui reste à &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;. Recommencez deux fois.&lt;br&gt;3. De même pour chaque pH de 4 à 12.</source>
        <translation>1. Set &lt;b&gt;lactose hydrolysis&lt;/b&gt; at 37&amp;nbsp;°C and &lt;b&gt;pH&amp;nbsp;3&lt;/b&gt;, 20&amp;nbsp;enzymes, 100&amp;nbsp;lactoses, no thiolactose.&lt;br&gt;2. Untick “percentage”, start and note the substrate left at &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;. Do it twice more.&lt;br&gt;3. The same for each pH from 4 to 12.</translation>
    </message>
    <message>
        <source>a) La lactase du modèle a son optimum à &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt; (celle de l’intestin humain vers pH&amp;nbsp;6).&lt;br&gt;b) Dans le modèle, s’écarter de l’optimum d’une même valeur, vers l’acide ou vers le basique, a le même effet&amp;nbsp;: une part des enzymes porte des &lt;b&gt;charges&lt;/b&gt; sur son site actif et ne fixe plus rien&amp;nbsp;; plus loin, certaines sont même dénaturées.&lt;br&gt;c) À pH&amp;nbsp;3, toutes les enzymes sont chargées&amp;nbsp;: rien ne se passe.</source>
        <translation>a) The model’s lactase has its optimum at &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt; (that of the human gut around pH&amp;nbsp;6).&lt;br&gt;b) In the model, moving away from the optimum by the same amount, towards acid or towards base, has the same effect: a share of the enzymes carries &lt;b&gt;charges&lt;/b&gt; on its active site and no longer binds anything; further away, some are even denatured.&lt;br&gt;c) At pH&amp;nbsp;3, all the enzymes are charged: nothing happens.</translation>
    </message>
    <message>
        <source>1. Réglez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt; à 37&amp;nbsp;°C, pH&amp;nbsp;8, &lt;b&gt;5&lt;/b&gt;&amp;nbsp;enzymes, 100&amp;nbsp;lactoses, aucun thiolactose.&lt;br&gt;2. Décochez «&amp;nbsp;pourcentage&amp;nbsp;», démarrez et notez le substrat qui reste à &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;. Recommencez deux fois.&lt;br&gt;3. De même avec 10, 20 et 40&amp;nbsp;enzymes.</source>
        <translation>1. Set &lt;b&gt;lactose hydrolysis&lt;/b&gt; at 37&amp;nbsp;°C, pH&amp;nbsp;8, &lt;b&gt;5&lt;/b&gt;&amp;nbsp;enzymes, 100&amp;nbsp;lactoses, no thiolactose.&lt;br&gt;2. Untick “percentage”, start and note the substrate left at &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;. Do it twice more.&lt;br&gt;3. The same with 10, 20 and 40&amp;nbsp;enzymes.</translation>
    </message>
    <message>
        <source>a) Que devient la vitesse initiale quand on double la quantité d’enzyme&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Qu’en déduisez-vous&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) L’enzyme est-elle consommée&amp;nbsp;?</source>
        <translation>a) What becomes of the initial rate when the amount of enzyme is doubled?&lt;br&gt;&lt;br&gt;b) What do you conclude?&lt;br&gt;&lt;br&gt;c) Is the enzyme used up?</translation>
    </message>
    <message>
        <source>a) Elle double à peu près (un peu moins de 10 à 40&amp;nbsp;enzymes).&lt;br&gt;b) La vitesse est &lt;b&gt;proportionnelle&lt;/b&gt; à la quantité d’enzyme, tant qu’il y a beaucoup de substrat.&lt;br&gt;c) Non&amp;nbsp;: le nombre d’enzymes ne change pas&amp;nbsp;; chacune coupe de nombreux lactoses, l’un après l’autre&amp;nbsp;: c’est un &lt;b&gt;catalyseur&lt;/b&gt;.</source>
        <translation>a) It roughly doubles (a little less from 10 to 40&amp;nbsp;enzymes).&lt;br&gt;b) The rate is &lt;b&gt;proportional&lt;/b&gt; to the amount of enzyme, as long as there is plenty of substrate.&lt;br&gt;c) No: the number of enzymes does not change; each one cuts many lactoses, one after another: it is a &lt;b&gt;catalyst&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. Dans le menu Modèle, «&amp;nbsp;Volume de la boîte&amp;nbsp;»&amp;nbsp;: &lt;b&gt;25&amp;nbsp;%&lt;/b&gt;. Les molécules y sont quatre fois plus serrées.&lt;br&gt;2. Réglez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt;, 37&amp;nbsp;°C, pH&amp;nbsp;8, &lt;b&gt;10&lt;/b&gt;&amp;nbsp;enzymes, &lt;b&gt;20&lt;/b&gt;&amp;nbsp;lactoses.&lt;br&gt;3. Décochez «&amp;nbsp;pourcentage&amp;nbsp;», démarrez et notez le substrat qui reste à &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;. Recommencez deux fois.&lt;br&gt;4. De même avec 50, 100, 150 et 200&amp;nbsp;lactoses.</source>
        <translation>1. In the Model menu, “Box volume”: &lt;b&gt;25&amp;nbsp;%&lt;/b&gt;. The molecules are four times more crowded.&lt;br&gt;2. Set &lt;b&gt;lactose hydrolysis&lt;/b&gt;, 37&amp;nbsp;°C, pH&amp;nbsp;8, &lt;b&gt;10&lt;/b&gt;&amp;nbsp;enzymes, &lt;b&gt;20&lt;/b&gt;&amp;nbsp;lactoses.&lt;br&gt;3. Untick “percentage”, start and note the substrate left at &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;. Do it twice more.&lt;br&gt;4. The same with 50, 100, 150 and 200&amp;nbsp;lactoses.</translation>
    </message>
    <message>
        <source>a) La vitesse initiale est-elle proportionnelle à la quantité de substrat&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Que se passe-t-il quand il y a beaucoup de lactose&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Comment l’expliquer&amp;nbsp;?</source>
        <translation>a) Is the initial rate proportional to the amount of substrate?&lt;br&gt;&lt;br&gt;b) What happens when there is a lot of lactose?&lt;br&gt;&lt;br&gt;c) How can it be explained?</translation>
    </message>
    <message>
        <source>a) Non&amp;nbsp;: elle augmente de moins en moins vite.&lt;br&gt;b) Vers 200&amp;nbsp;lactoses, elle n’augmente presque plus&amp;nbsp;: elle approche d’un &lt;b&gt;plateau&lt;/b&gt;, Vmax&amp;nbsp;≈ %1, sans l’atteindre.&lt;br&gt;c) Les enzymes sont presque toujours occupées&amp;nbsp;: elles sont &lt;b&gt;saturées&lt;/b&gt;, et chacune met un certain temps à couper un lactose. La moitié de Vmax est atteinte pour %2&amp;nbsp;lactoses environ&amp;nbsp;: c’est le &lt;b&gt;Km&lt;/b&gt; du modèle dans cette boîte. Dans la boîte standard, Km approche 200&amp;nbsp;: le plateau ne s’y voit pas.</source>
        <translation>a) No: it rises more and more slowly.&lt;br&gt;b) Towards 200&amp;nbsp;lactoses, it hardly rises any more: it comes close to a &lt;b&gt;plateau&lt;/b&gt;, Vmax ≈ %1, without reaching it.&lt;br&gt;c) The enzymes are almost always busy: they are &lt;b&gt;saturated&lt;/b&gt;, and each one takes some time to cut a lactose. Half of Vmax is reached at about %2&amp;nbsp;lactoses: this is the model’s &lt;b&gt;Km&lt;/b&gt; in this box. In the standard box, Km comes close to 200: the plateau does not show there.</translation>
    </message>
    <message>
        <source>%1&amp;nbsp;molécules/s</source>
        <translation>%1&amp;nbsp;molecules/s</translation>
    </message>
    <message>
        <source>1. Comme pour l’expérience 4&amp;nbsp;: boîte de &lt;b&gt;25&amp;nbsp;%&lt;/b&gt;, 37&amp;nbsp;°C, pH&amp;nbsp;8, &lt;b&gt;10&lt;/b&gt;&amp;nbsp;enzymes.&lt;br&gt;2. Avec 20, 50, 100 et 200&amp;nbsp;lactoses, mesurez la vitesse initiale sans thiolactose, puis avec &lt;b&gt;100&amp;nbsp;thiolactoses&lt;/b&gt; (le substrat qui reste à 5&amp;nbsp;s, trois fois).</source>
        <translation>1. As for experiment 4: &lt;b&gt;25&amp;nbsp;%&lt;/b&gt; box, 37&amp;nbsp;°C, pH&amp;nbsp;8, &lt;b&gt;10&lt;/b&gt;&amp;nbsp;enzymes.&lt;br&gt;2. With 20, 50, 100 and 200&amp;nbsp;lactoses, measure the initial rate without thiolactose, then with &lt;b&gt;100&amp;nbsp;thiolactoses&lt;/b&gt; (the substrate left at 5&amp;nbsp;s, three times).</translation>
    </message>
    <message>
        <source>a) Quel est l’effet du thiolactose&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Quelle part de la vitesse garde-t-il avec 20&amp;nbsp;lactoses&amp;nbsp;? Avec 200&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Pourquoi parle-t-on de &lt;b&gt;compétition&lt;/b&gt;&amp;nbsp;?</source>
        <translation>a) What is the effect of thiolactose?&lt;br&gt;&lt;br&gt;b) What share of the rate does it leave with 20&amp;nbsp;lactoses? With 200?&lt;br&gt;&lt;br&gt;c) Why do we speak of &lt;b&gt;competition&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>a) Il ralentit la réaction&amp;nbsp;: la lactase le fixe et le garde sans le couper.&lt;br&gt;b) Dans le modèle, environ %1&amp;nbsp;% avec 20&amp;nbsp;lactoses, %2&amp;nbsp;% avec&amp;nbsp;200.&lt;br&gt;c) Lactose et thiolactose se disputent les sites actifs&amp;nbsp;: plus il y a de lactose, moins l’inhibiteur gêne. Km passe d’environ %3 à environ %4&amp;nbsp;lactoses, Vmax reste vers %5&amp;nbsp;: c’est un &lt;b&gt;inhibiteur compétitif&lt;/b&gt;.</source>
        <translation>a) It slows the reaction: lactase binds it and holds it without cutting it.&lt;br&gt;b) In the model, about %1&amp;nbsp;% with 20&amp;nbsp;lactoses, %2&amp;nbsp;% with&amp;nbsp;200.&lt;br&gt;c) Lactose and thiolactose compete for the active sites: the more lactose, the less the inhibitor hinders. Km goes from about %3 to about %4&amp;nbsp;lactoses, Vmax stays near %5: it is a &lt;b&gt;competitive inhibitor&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>1. Réglez 37&amp;nbsp;°C, 20&amp;nbsp;enzymes, 100 de substrat, une boîte de 100&amp;nbsp;%.&lt;br&gt;2. Pour chacune des quatre réactions (flèches ◀ ▶), essayez pH&amp;nbsp;6, 7 et 8 et gardez le plus rapide.&lt;br&gt;3. À ce pH, notez trois fois le temps de demi-réaction, et regardez les molécules formées.</source>
        <translation>1. Set 37&amp;nbsp;°C, 20&amp;nbsp;enzymes, 100 substrate, a 100&amp;nbsp;% box.&lt;br&gt;2. For each of the four reactions (arrows ◀ ▶), try pH&amp;nbsp;6, 7 and 8 and keep the fastest.&lt;br&gt;3. At that pH, note the half-time three times, and look at the molecules formed.</translation>
    </message>
    <message>
        <source>a) pH&amp;nbsp;8 pour la lactase et la lactose synthase, pH&amp;nbsp;6 pour la maltase, pH&amp;nbsp;7 pour l’amylase.&lt;br&gt;b) Glucose et galactose&amp;nbsp;; lactose et UDP&amp;nbsp;; deux glucoses&amp;nbsp;; maltose.&lt;br&gt;c) À la fin, des enzymes tiennent chacune un seul des deux réactifs et attendent l’autre&amp;nbsp;: il reste quelques pour cent de glucose.&lt;br&gt;d) Voyez le sujet «&amp;nbsp;Quel test pour quelle réaction&amp;nbsp;?&amp;nbsp;».</source>
        <translation>a) pH&amp;nbsp;8 for lactase and lactose synthase, pH&amp;nbsp;6 for maltase, pH&amp;nbsp;7 for amylase.&lt;br&gt;b) Glucose and galactose; lactose and UDP; two glucoses; maltose.&lt;br&gt;c) At the end, some enzymes each hold only one of the two reactants and wait for the other: a few per cent of the glucose is left.&lt;br&gt;d) See the topic “Which test for which reaction?”.</translation>
    </message>
    <message>
        <source>Pour chacune&amp;nbsp;: le bouton «&amp;nbsp;Essayer dans Velmora&amp;nbsp;» règle le panneau pour la première mesure&amp;nbsp;; notez vos mesures dans le tableau, répondez aux questions, puis comparez avec les réponses du modèle. Changer une quantité suspend l’expérience&amp;nbsp;: cliquez alors sur «&amp;nbsp;Démarrer / recommencer l’expérience&amp;nbsp;».</source>
        <translation>For each one: the “Try it in Velmora” button sets the panel for the first measurement; note your measurements in the table, answer the questions, then compare with the model’s answers. Changing an amount suspends the experiment: then click “Start / restart the experiment”.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Répéter et faire la moyenne.&lt;/b&gt; Les molécules bougent au hasard&amp;nbsp;: deux expériences identiques ne donnent pas tout à fait le même résultat. Faites chaque mesure trois fois&amp;nbsp;; le tableau en donne la moyenne.</source>
        <translation>&lt;b&gt;Repeat and take the mean.&lt;/b&gt; The molecules move at random: two identical experiments do not give quite the same result. Make each measurement three times; the table gives the mean.</translation>
    </message>
    <message>
        <source>Les réponses du modèle donnent, pour chaque mesure, la moyenne de 20&amp;nbsp;expériences et leur étendue, de la plus petite à la plus grande valeur, obtenues avec velmora2-batch, le programme en ligne de commande livré avec Velmora. Votre mesure tombera presque toujours dans cette étendue, rarement pile sur la moyenne.</source>
        <translation>The model’s answers give, for each measurement, the mean of 20&amp;nbsp;experiments and their range, from the smallest to the largest value, obtained with velmora2-batch, the command-line program that comes with Velmora. Your measurement will almost always fall within this range, seldom right on the mean.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mesurer une vitesse initiale.&lt;/b&gt; La vitesse d’une réaction est la quantité de substrat transformée par seconde&amp;nbsp;: sur le graphique, la &lt;b&gt;pente&lt;/b&gt; de la courbe. Au tout début, la courbe est presque droite&amp;nbsp;: sa pente est la &lt;b&gt;vitesse initiale&lt;/b&gt; v₀, celle qu’on compare d’une expérience à l’autre.</source>
        <translation>&lt;b&gt;Measuring an initial rate.&lt;/b&gt; The rate of a reaction is the amount of substrate transformed per second: on the graph, the &lt;b&gt;slope&lt;/b&gt; of the curve. At the very start, the curve is almost straight: its slope is the &lt;b&gt;initial rate&lt;/b&gt; v₀, the one compared from one experiment to another.</translation>
    </message>
    <message>
        <source>temps (s)&amp;nbsp;; l’axe vertical compte les molécules (UA)</source>
        <translation>time (s); the vertical axis counts the molecules (AU)</translation>
    </message>
    <message>
        <source>1. Décochez «&amp;nbsp;pourcentage&amp;nbsp;», sous le graphique&amp;nbsp;: l’axe compte les molécules.&lt;br&gt;2. Lisez le substrat qui reste à &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;.&lt;br&gt;3. v₀&amp;nbsp;= (substrat au départ&amp;nbsp;− substrat à 5&amp;nbsp;s)&amp;nbsp;/&amp;nbsp;5&amp;nbsp;s.</source>
        <translation>1. Untick “percentage”, under the graph: the axis counts the molecules.&lt;br&gt;2. Read the substrate left at &lt;b&gt;5&amp;nbsp;s&lt;/b&gt;.&lt;br&gt;3. v₀&amp;nbsp;= (substrate at the start&amp;nbsp;− substrate at 5&amp;nbsp;s)&amp;nbsp;/&amp;nbsp;5&amp;nbsp;s.</translation>
    </message>
    <message>
        <source>Par exemple, à 37&amp;nbsp;°C et pH&amp;nbsp;8, avec 20&amp;nbsp;enzymes et 100&amp;nbsp;lactoses, il reste environ %1&amp;nbsp;molécules à 5&amp;nbsp;s&amp;nbsp;: v₀&amp;nbsp;≈ (100&amp;nbsp;− %1)&amp;nbsp;/&amp;nbsp;5&amp;nbsp;≈ %2.</source>
        <translation>For example, at 37&amp;nbsp;°C and pH&amp;nbsp;8, with 20&amp;nbsp;enzymes and 100&amp;nbsp;lactoses, about %1&amp;nbsp;molecules are left at 5&amp;nbsp;s: v₀&amp;nbsp;≈ (100&amp;nbsp;− %1)&amp;nbsp;/&amp;nbsp;5&amp;nbsp;≈ %2.</translation>
    </message>
    <message>
        <source>Une pente sur 5&amp;nbsp;s ne vaut que si la courbe reste presque droite pendant ce temps. Au froid, les premières molécules ne sortent des enzymes qu’après plusieurs secondes&amp;nbsp;: on mesure alors le temps de demi-réaction. «&amp;nbsp;Copier les données&amp;nbsp;» (clic droit sur le graphique) donne les nombres exacts, seconde par seconde.</source>
        <translation>A slope over 5&amp;nbsp;s is only valid if the curve stays almost straight during that time. In the cold, the first molecules only leave the enzymes after several seconds: the half-time is measured instead. “Copy the data” (right-click the graph) gives the exact numbers, second by second.</translation>
    </message>
    <message>
        <source>La &lt;b&gt;vitesse initiale&lt;/b&gt; est la pente de la courbe au début&amp;nbsp;: le substrat transformé par seconde.</source>
        <translation>The &lt;b&gt;initial rate&lt;/b&gt; is the slope of the curve at the start: the substrate transformed per second.</translation>
    </message>
    <message>
        <source>Elle augmente avec la température jusqu’à la dénaturation, passe par un optimum de pH, est proportionnelle à la quantité d’enzyme.</source>
        <translation>It rises with temperature up to denaturation, peaks at an optimum pH, is proportional to the amount of enzyme.</translation>
    </message>
    <message>
        <source>Avec le substrat, elle augmente de moins en moins vite&amp;nbsp;: les enzymes se saturent (Vmax, Km).</source>
        <translation>With the substrate, it rises more and more slowly: the enzymes become saturated (Vmax, Km).</translation>
    </message>
    <message>
        <source>Une mesure varie d’une expérience à l’autre&amp;nbsp;: on la répète et on donne la moyenne avec son étendue.</source>
        <translation>A measurement varies from one experiment to another: it is repeated and the mean is given with its range.</translation>
    </message>
    <message>
        <source>Pourquoi compare-t-on des vitesses initiales plutôt que la quantité transformée au bout d’une minute&amp;nbsp;?</source>
        <translation>Why compare initial rates rather than the amount transformed after one minute?</translation>
    </message>
    <message>
        <source>Au début, le substrat n’a presque pas diminué&amp;nbsp;: la vitesse ne dépend que des conditions choisies. Plus tard, le manque de substrat la ralentit aussi.</source>
        <translation>At the start, the substrate has hardly decreased: the rate depends only on the conditions chosen. Later, the lack of substrate slows it too.</translation>
    </message>
    <message>
        <source>Votre mesure diffère de la moyenne du modèle, mais tombe dans son étendue. Est-elle fausse&amp;nbsp;?</source>
        <translation>Your measurement differs from the model’s mean, but falls within its range. Is it wrong?</translation>
    </message>
    <message>
        <source>Non&amp;nbsp;: les molécules bougent au hasard, chaque expérience varie. Une mesure dans l’étendue est normale&amp;nbsp;; la moyenne de plusieurs est plus sûre.</source>
        <translation>No: the molecules move at random, each experiment varies. A measurement within the range is normal; the mean of several is more reliable.</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>enzymes&amp;nbsp;: 5</source>
        <translation>enzymes: 5</translation>
    </message>
    <message>
        <source>enzymes&amp;nbsp;: 10</source>
        <translation>enzymes: 10</translation>
    </message>
    <message>
        <source>enzymes&amp;nbsp;: 20</source>
        <translation>enzymes: 20</translation>
    </message>
    <message>
        <source>enzymes&amp;nbsp;: 40</source>
        <translation>enzymes: 40</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 50</source>
        <translation>lactose: 50</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 100</source>
        <translation>lactose: 100</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 150</source>
        <translation>lactose: 150</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 200</source>
        <translation>lactose: 200</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 50, sans thiolactose</source>
        <translation>lactose: 50, no thiolactose</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 50, thiolactose&amp;nbsp;: 100</source>
        <translation>lactose: 50, thiolactose: 100</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 200, sans thiolactose</source>
        <translation>lactose: 200, no thiolactose</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 200, thiolactose&amp;nbsp;: 100</source>
        <translation>lactose: 200, thiolactose: 100</translation>
    </message>
    <message>
        <source>Hydrolyse du lactose (pH&amp;nbsp;8)</source>
        <translation>Lactose hydrolysis (pH&amp;nbsp;8)</translation>
    </message>
    <message>
        <source>Synthèse du lactose (pH&amp;nbsp;8)</source>
        <translation>Lactose synthesis (pH&amp;nbsp;8)</translation>
    </message>
    <message>
        <source>Hydrolyse du maltose (pH&amp;nbsp;6)</source>
        <translation>Maltose hydrolysis (pH&amp;nbsp;6)</translation>
    </message>
    <message>
        <source>Hydrolyse de l’amylose (pH&amp;nbsp;7)</source>
        <translation>Amylose hydrolysis (pH&amp;nbsp;7)</translation>
    </message>
    <message>
        <source>maltase à pH&amp;nbsp;6</source>
        <translation>maltase at pH&amp;nbsp;6</translation>
    </message>
    <message>
        <source>maltase à pH&amp;nbsp;8</source>
        <translation>maltase at pH&amp;nbsp;8</translation>
    </message>
    <message>
        <source>glucose restant après 120&amp;nbsp;s</source>
        <translation>glucose left after 120&amp;nbsp;s</translation>
    </message>
    <message>
        <source>lactose, pH&amp;nbsp;0, 80&amp;nbsp;°C</source>
        <translation>lactose, pH&amp;nbsp;0, 80&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>lactose, pH&amp;nbsp;1, 80&amp;nbsp;°C</source>
        <translation>lactose, pH&amp;nbsp;1, 80&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>lactose, pH&amp;nbsp;0, 37&amp;nbsp;°C</source>
        <translation>lactose, pH&amp;nbsp;0, 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>lactose, pH&amp;nbsp;8, 80&amp;nbsp;°C</source>
        <translation>lactose, pH&amp;nbsp;8, 80&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>maltose, pH&amp;nbsp;0, 80&amp;nbsp;°C</source>
        <translation>maltose, pH&amp;nbsp;0, 80&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>lactose et lactase, pH&amp;nbsp;8, 37&amp;nbsp;°C</source>
        <translation>lactose and lactase, pH&amp;nbsp;8, 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>37&amp;nbsp;°C, à 60&amp;nbsp;s</source>
        <translation>37&amp;nbsp;°C, at 60&amp;nbsp;s</translation>
    </message>
    <message>
        <source>sans enzyme, 37&amp;nbsp;°C, à 120&amp;nbsp;s</source>
        <translation>no enzyme, 37&amp;nbsp;°C, at 120&amp;nbsp;s</translation>
    </message>
    <message>
        <source>0&amp;nbsp;°C, à 60&amp;nbsp;s</source>
        <translation>0&amp;nbsp;°C, at 60&amp;nbsp;s</translation>
    </message>
    <message>
        <source>0&amp;nbsp;°C puis 37&amp;nbsp;°C, à 120&amp;nbsp;s</source>
        <translation>0&amp;nbsp;°C then 37&amp;nbsp;°C, at 120&amp;nbsp;s</translation>
    </message>
    <message>
        <source>80&amp;nbsp;°C puis 37&amp;nbsp;°C, à 120&amp;nbsp;s</source>
        <translation>80&amp;nbsp;°C then 37&amp;nbsp;°C, at 120&amp;nbsp;s</translation>
    </message>
    <message>
        <source>plus de %1&amp;nbsp;s</source>
        <translation>over %1&amp;nbsp;s</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 20</source>
        <translation>lactose: 20</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 20, sans thiolactose</source>
        <translation>lactose: 20, no thiolactose</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 20, thiolactose&amp;nbsp;: 100</source>
        <translation>lactose: 20, thiolactose: 100</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 100, sans thiolactose</source>
        <translation>lactose: 100, no thiolactose</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: 100, thiolactose&amp;nbsp;: 100</source>
        <translation>lactose: 100, thiolactose: 100</translation>
    </message>
    <message>
        <source>%1,%2</source>
        <extracomment>A decimal number: its whole part, the decimal mark, its decimals.</extracomment>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>&amp;nbsp;molécules/s</source>
        <translation>&amp;nbsp;molecules/s</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
</context>
<context>
    <name>hydrolyseacide</name>
    <message>
        <source>L’hydrolyse acide, sans enzyme</source>
        <translation>Acid hydrolysis, without an enzyme</translation>
    </message>
    <message>
        <source>Une liaison osidique peut aussi être coupée &lt;b&gt;sans enzyme&lt;/b&gt;, par un &lt;b&gt;acide fort&lt;/b&gt; et la &lt;b&gt;chaleur&lt;/b&gt;. Par exemple&amp;nbsp;: de l’empois d’amidon et de l’acide chlorhydrique, dix minutes au bain-marie bouillant.</source>
        <translation>A glycosidic bond can also be broken &lt;b&gt;without an enzyme&lt;/b&gt;, by a &lt;b&gt;strong acid&lt;/b&gt; and &lt;b&gt;heat&lt;/b&gt;. For example: starch solution and hydrochloric acid, ten minutes in a boiling water bath.</translation>
    </message>
    <message>
        <source>après&amp;nbsp;: eau iodée orangée</source>
        <translation>after: iodine solution orange</translation>
    </message>
    <message>
        <source>L’amidon a disparu et des sucres réducteurs sont apparus. Attention&amp;nbsp;: la liqueur de Fehling ne marche qu’en milieu basique, il faut d’abord &lt;b&gt;neutraliser&lt;/b&gt; l’acide (par de la soude). L’acide n’est &lt;b&gt;pas spécifique&lt;/b&gt;&amp;nbsp;: il coupe l’amidon, le maltose, le lactose, le saccharose…</source>
        <translation>The starch has gone and reducing sugars have appeared. Careful: Fehling’s solution only works in alkaline conditions, so the acid must first be &lt;b&gt;neutralised&lt;/b&gt; (with sodium hydroxide). The acid is &lt;b&gt;not specific&lt;/b&gt;: it cuts starch, maltose, lactose, sucrose…</translation>
    </message>
    <message>
        <source>Sans enzyme, 100&amp;nbsp;molécules au départ, ce qui reste après 100&amp;nbsp;s&amp;nbsp;:</source>
        <translation>Without an enzyme, 100&amp;nbsp;molecules at the start; what is left after 100&amp;nbsp;s:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Acide ou enzyme&amp;nbsp;: deux façons de couper une liaison osidique&lt;/b&gt;</source>
        <translation>&lt;b&gt;Acid or enzyme: two ways of breaking a glycosidic bond&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Acide fort</source>
        <translation>Strong acid</translation>
    </message>
    <message>
        <source>Enzyme</source>
        <translation>Enzyme</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>chaleur forte (bain-marie bouillant), pH très acide</source>
        <translation>strong heat (boiling water bath), very acidic pH</translation>
    </message>
    <message>
        <source>Spécificité</source>
        <translation>Specificity</translation>
    </message>
    <message>
        <source>aucune&amp;nbsp;: coupe toutes les liaisons osidiques</source>
        <translation>none: cuts every glycosidic bond</translation>
    </message>
    <message>
        <source>une seule sorte de liaison (la lactase&amp;nbsp;: la liaison β d’un galactose)</source>
        <translation>one kind of bond only (lactase: the β bond of a galactose)</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>lente</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>Après la réaction</source>
        <translation>After the reaction</translation>
    </message>
    <message>
        <source>l’acide est toujours là</source>
        <translation>the acid is still there</translation>
    </message>
    <message>
        <source>l’enzyme est intacte, prête à recommencer</source>
        <translation>the enzyme is unchanged, ready to start again</translation>
    </message>
    <message>
        <source>Dans l’organisme</source>
        <translation>In the body</translation>
    </message>
    <message>
        <source>presque pas&amp;nbsp;: à 37&amp;nbsp;°C, même l’acide de l’estomac est trop lent</source>
        <translation>hardly at all: at 37&amp;nbsp;°C, even stomach acid is too slow</translation>
    </message>
    <message>
        <source>oui&amp;nbsp;: toute la digestion</source>
        <translation>yes: all of digestion</translation>
    </message>
    <message>
        <source>avant&amp;nbsp;: eau iodée bleu‑noir</source>
        <translation>before: iodine water blue‑black</translation>
    </message>
    <message>
        <source>après neutralisation&amp;nbsp;: Fehling rouge brique</source>
        <translation>after neutralising: Fehling brick red</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, en dessous de &lt;b&gt;pH&amp;nbsp;3&lt;/b&gt; et au-dessus de &lt;b&gt;30&amp;nbsp;°C&lt;/b&gt;, chaque molécule de sucre libre a, à chaque instant, une petite chance d’être coupée sans enzyme&amp;nbsp;: le lactose en glucose et galactose, le maltose en deux glucoses, les chaînes d’amylose n’importe où. Cette chance grandit avec la température. Par rapport à pH&amp;nbsp;2, elle double à pH&amp;nbsp;1 et décuple à pH&amp;nbsp;0 (en réalité, elle est multipliée par 10 à chaque unité de pH).</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, below &lt;b&gt;pH&amp;nbsp;3&lt;/b&gt; and above &lt;b&gt;30&amp;nbsp;°C&lt;/b&gt;, each free sugar molecule has, at every moment, a small chance of being cut without enzyme: lactose into glucose and galactose, maltose into two glucoses, amylose chains anywhere. This chance grows with temperature. Compared with pH&amp;nbsp;2, it doubles at pH&amp;nbsp;1 and is ten times larger at pH&amp;nbsp;0 (in reality, it is multiplied by 10 for each pH unit).</translation>
    </message>
    <message>
        <source>Pour comparer, avec la lactase (20&amp;nbsp;enzymes, pH&amp;nbsp;8, 37&amp;nbsp;°C)&amp;nbsp;: %1</source>
        <translation>For comparison, with lactase (20&amp;nbsp;enzymes, pH&amp;nbsp;8, 37&amp;nbsp;°C): %1</translation>
    </message>
    <message>
        <source>Même à pH&amp;nbsp;0 et à 80&amp;nbsp;°C, il faut environ trois minutes pour couper la moitié du lactose&amp;nbsp;; avec la lactase, à 37&amp;nbsp;°C et à pH&amp;nbsp;8, la moitié est coupée en %1. À pH&amp;nbsp;0, les enzymes du modèle sont toutes chargées&amp;nbsp;: seul l’acide agit.</source>
        <translation>Even at pH&amp;nbsp;0 and 80&amp;nbsp;°C, it takes about three minutes to cut half the lactose; with lactase, at 37&amp;nbsp;°C and pH&amp;nbsp;8, half is cut in %1. At pH&amp;nbsp;0, the model’s enzymes are all charged: only the acid acts.</translation>
    </message>
    <message>
        <source>Au laboratoire, l’hydrolyse acide de l’amidon demande plusieurs minutes au bain-marie bouillant&amp;nbsp;; au-delà de 80&amp;nbsp;°C, le modèle calcule comme à 80&amp;nbsp;°C.</source>
        <translation>In the laboratory, the acid hydrolysis of starch takes several minutes in a boiling water bath; above 80&amp;nbsp;°C, the model computes as at 80&amp;nbsp;°C.</translation>
    </message>
    <message>
        <source>conditions douces&amp;nbsp;: température du corps, pH du milieu où elle agit (≈&amp;nbsp;7 dans l’intestin, ≈&amp;nbsp;2 pour la pepsine de l’estomac)</source>
        <translation>mild conditions: body temperature, the pH of the place where it acts (≈&amp;nbsp;7 in the intestine, ≈&amp;nbsp;2 for the stomach’s pepsin)</translation>
    </message>
    <message>
        <source>rapide&amp;nbsp;: de quelques dizaines (lactase) à des millions (catalase) de molécules par seconde</source>
        <translation>fast: from a few tens (lactase) to millions (catalase) of molecules per second</translation>
    </message>
    <message>
        <source>Pour une même liaison, l’acide et l’enzyme donnent les mêmes produits&amp;nbsp;; mais l’acide coupe toutes les liaisons (l’amidon donne du glucose) et l’amylase seulement certaines (elle donne du maltose). Tous deux sont des catalyseurs&amp;nbsp;: ils changent la vitesse, pas l’équilibre.</source>
        <translation>For one and the same bond, acid and enzyme give the same products; but acid cuts every bond (starch gives glucose) and amylase only some (it gives maltose). Both are catalysts: they change the rate, not the equilibrium.</translation>
    </message>
    <message>
        <source>Un acide fort et la chaleur coupent les liaisons osidiques sans enzyme, mais lentement, et toutes sans distinction.</source>
        <translation>A strong acid and heat cut glycosidic bonds without enzyme, but slowly, and all of them alike.</translation>
    </message>
    <message>
        <source>Une enzyme agit vite, dans des conditions douces, et une seule sorte de liaison&amp;nbsp;: elle est spécifique.</source>
        <translation>An enzyme works fast, in mild conditions, and on one kind of bond only: it is specific.</translation>
    </message>
    <message>
        <source>Avant un test de Fehling sur un milieu acide, il faut neutraliser&amp;nbsp;: la liqueur ne marche qu’en milieu basique.</source>
        <translation>Before a Fehling test on an acid medium, neutralise it: the solution works only in basic conditions.</translation>
    </message>
    <message>
        <source>L’hydrolyse acide de l’amidon et sa digestion par l’amylase donnent-elles les mêmes produits&amp;nbsp;?</source>
        <translation>Do the acid hydrolysis of starch and its digestion by amylase give the same products?</translation>
    </message>
    <message>
        <source>Non&amp;nbsp;: l’acide coupe toutes les liaisons et donne du glucose&amp;nbsp;; l’amylase en coupe certaines et donne surtout du maltose.</source>
        <translation>No: acid cuts every bond and gives glucose; amylase cuts some and gives mostly maltose.</translation>
    </message>
    <message>
        <source>Pourquoi l’acide de l’estomac ne digère-t-il presque pas l’amidon&amp;nbsp;?</source>
        <translation>Why does stomach acid hardly digest starch at all?</translation>
    </message>
    <message>
        <source>À 37&amp;nbsp;°C, l’hydrolyse acide est bien trop lente&amp;nbsp;; il lui faut une forte chaleur.</source>
        <translation>At 37&amp;nbsp;°C, acid hydrolysis is far too slow; it needs strong heat.</translation>
    </message>
</context>
<context>
    <name>hydrolyselactose</name>
    <message>
        <source>La réaction d’hydrolyse du lactose</source>
        <translation>The hydrolysis of lactose</translation>
    </message>
    <message>
        <source>Le &lt;b&gt;lactose&lt;/b&gt; est le sucre du lait. C’est un &lt;b&gt;diholoside&lt;/b&gt;&amp;nbsp;: deux oses, le galactose et le glucose, unis par une liaison osidique. Son &lt;b&gt;hydrolyse&lt;/b&gt; coupe cette liaison en y fixant une molécule d’eau.</source>
        <translation>&lt;b&gt;Lactose&lt;/b&gt; is the sugar in milk. It is a &lt;b&gt;disaccharide&lt;/b&gt;: two monosaccharides, galactose and glucose, joined by a glycosidic bond. Its &lt;b&gt;hydrolysis&lt;/b&gt; breaks this bond by adding a molecule of water to it.</translation>
    </message>
    <message>
        <source>lactose</source>
        <translation>lactose</translation>
    </message>
    <message>
        <source>eau</source>
        <translation>water</translation>
    </message>
    <message>
        <source>lactase</source>
        <translation>lactase</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>galactose</source>
        <translation>galactose</translation>
    </message>
    <message>
        <source>C₁₂H₂₂O₁₁ + H₂O ⟶ C₆H₁₂O₆ + C₆H₁₂O₆&lt;br&gt;Le glucose et le galactose ont la même formule brute&amp;nbsp;: ce sont des isomères.&lt;br&gt;&lt;br&gt;La réaction est &lt;b&gt;catalysée&lt;/b&gt; par une enzyme, la &lt;b&gt;lactase&lt;/b&gt; (une β-galactosidase)&amp;nbsp;: sans enzyme, cette réaction serait si lente, à 37&amp;nbsp;°C, qu’on ne la verrait pas.</source>
        <translation>C₁₂H₂₂O₁₁ + H₂O ⟶ C₆H₁₂O₆ + C₆H₁₂O₆&lt;br&gt;Glucose and galactose have the same molecular formula: they are isomers.&lt;br&gt;&lt;br&gt;The reaction is &lt;b&gt;catalysed&lt;/b&gt; by an enzyme, &lt;b&gt;lactase&lt;/b&gt; (a β-galactosidase): without the enzyme, this reaction would be so slow at 37&amp;nbsp;°C that it could not be seen.</translation>
    </message>
    <message>
        <source>Le &lt;b&gt;carbone 1&lt;/b&gt; du galactose est lié au &lt;b&gt;carbone 4&lt;/b&gt; du glucose par un atome d’oxygène&amp;nbsp;: c’est la &lt;b&gt;liaison β(1→4)&lt;/b&gt;. «&amp;nbsp;β&amp;nbsp;» dit que cette liaison part du carbone 1 vers le haut, du même côté que le groupe CH₂OH.</source>
        <translation>&lt;b&gt;Carbon 1&lt;/b&gt; of galactose is linked to &lt;b&gt;carbon 4&lt;/b&gt; of glucose through an oxygen atom: this is the &lt;b&gt;β(1→4) bond&lt;/b&gt;. “β” means that the bond leaves carbon 1 upwards, on the same side as the CH₂OH group.</translation>
    </message>
    <message>
        <source>La lactase reconnaît la liaison β d’un galactose&amp;nbsp;; elle ne coupe pas la liaison α(1→4) du maltose&amp;nbsp;: une enzyme est &lt;b&gt;spécifique&lt;/b&gt; de son substrat.</source>
        <translation>Lactase recognises the β bond of a galactose; it does not cut the α(1→4) bond of maltose: an enzyme is &lt;b&gt;specific&lt;/b&gt; to its substrate.</translation>
    </message>
    <message>
        <source>1. Le lactose rencontre la lactase.</source>
        <translation>1. Lactose meets lactase.</translation>
    </message>
    <message>
        <source>3. La lactase coupe la liaison β(1→4) en y fixant une molécule d’eau.</source>
        <translation>3. Lactase breaks the β(1→4) bond by adding a molecule of water to it.</translation>
    </message>
    <message>
        <source>4. Le glucose et le galactose sont libérés. La lactase, intacte, peut recommencer.</source>
        <translation>4. Glucose and galactose are released. The lactase, unchanged, can start again.</translation>
    </message>
    <message>
        <source>&lt;b&gt;L’intolérance au lactose.&lt;/b&gt; Chez beaucoup d’adultes, l’intestin produit peu de lactase. Le lactose non digéré arrive dans le gros intestin, où des bactéries le fermentent&amp;nbsp;: gaz et maux de ventre.</source>
        <translation>&lt;b&gt;Lactose intolerance.&lt;/b&gt; In many adults, the intestine makes little lactase. Undigested lactose reaches the large intestine, where bacteria ferment it: wind and stomach ache.</translation>
    </message>
    <message>
        <source>Dans les leçons, chaque ose a sa couleur&amp;nbsp;: glucose orange, galactose rose. Le petit rond est le groupe OH du carbone&amp;nbsp;4, la seule différence entre les deux&amp;nbsp;: en haut sur le galactose, en bas sur le glucose.</source>
        <translation>In the lessons, each sugar unit has its colour: glucose orange, galactose pink. The small knob is the OH group of carbon&amp;nbsp;4, the only difference between the two: up on galactose, down on glucose.</translation>
    </message>
    <message>
        <source>2. Son galactose entre dans le site actif, qui a sa forme&amp;nbsp;: c’est le complexe enzyme-substrat.</source>
        <translation>2. Its galactose enters the active site, which has its shape: this is the enzyme-substrate complex.</translation>
    </message>
    <message>
        <source>Dans la boîte de Velmora, le lactose est dessiné en bleu&#xa0;:</source>
        <translation>In Velmora’s box, lactose is drawn in blue:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’organisme.&lt;/b&gt; La lactase est portée par la membrane des cellules de la paroi de l’&lt;b&gt;intestin grêle&lt;/b&gt;, sur les villosités. Le glucose et le galactose libérés passent dans le sang&amp;nbsp;; le lactose, lui, ne traverse pas la paroi.</source>
        <translation>&lt;b&gt;In the body.&lt;/b&gt; Lactase sits on the membrane of the cells lining the &lt;b&gt;small intestine&lt;/b&gt;, on the villi. The glucose and galactose released pass into the blood; lactose itself does not cross the wall.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’industrie.&lt;/b&gt; Une lactase produite par des micro-organismes sert à fabriquer du lait «&amp;nbsp;sans lactose&amp;nbsp;», déjà hydrolysé&amp;nbsp;: il a un goût plus sucré, car le glucose et le galactose sont plus sucrés que le lactose.</source>
        <translation>&lt;b&gt;In industry.&lt;/b&gt; A lactase made by microorganisms is used to produce “lactose-free” milk, already hydrolysed: it tastes sweeter, because glucose and galactose are sweeter than lactose.</translation>
    </message>
    <message>
        <source>&lt;b&gt;La persistance de la lactase.&lt;/b&gt; Chez tous les mammifères, le gène de la lactase, &lt;i&gt;LCT&lt;/i&gt;, s’éteint peu à peu après le sevrage. Chez certains humains, il reste actif toute la vie&amp;nbsp;: c’est dû à une &lt;b&gt;mutation&lt;/b&gt; d’un seul nucléotide, située avant le gène, dans une séquence qui règle son expression. L’allèle de persistance est &lt;b&gt;dominant&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Lactase persistence.&lt;/b&gt; In all mammals, the lactase gene, &lt;i&gt;LCT&lt;/i&gt;, slowly switches off after weaning. In some humans it stays active for life: this is due to a &lt;b&gt;mutation&lt;/b&gt; of a single nucleotide, lying before the gene, in a sequence that controls its expression. The persistence allele is &lt;b&gt;dominant&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>gène voisin (&lt;i&gt;MCM6&lt;/i&gt;)</source>
        <translation>neighbouring gene (&lt;i&gt;MCM6&lt;/i&gt;)</translation>
    </message>
    <message>
        <source>gène de la lactase (&lt;i&gt;LCT&lt;/i&gt;)</source>
        <translation>lactase gene (&lt;i&gt;LCT&lt;/i&gt;)</translation>
    </message>
    <message>
        <source>la mutation (C&amp;nbsp;→&amp;nbsp;T), 14&amp;nbsp;000&amp;nbsp;paires de bases avant &lt;i&gt;LCT&lt;/i&gt;</source>
        <translation>the mutation (C&amp;nbsp;→&amp;nbsp;T), 14,000&amp;nbsp;base pairs before &lt;i&gt;LCT&lt;/i&gt;</translation>
    </message>
    <message>
        <source>sens de lecture&amp;nbsp;⟶</source>
        <translation>reading direction&amp;nbsp;⟶</translation>
    </message>
    <message>
        <source>&lt;b&gt;Une sélection naturelle.&lt;/b&gt; Cette mutation est devenue fréquente chez les peuples qui élèvent des animaux pour leur lait depuis quelques milliers d’années&amp;nbsp;: boire du lait à l’âge adulte apportait un avantage (nourriture, eau, calcium), et les porteurs de l’allèle avaient plus de descendants. D’autres mutations, proches de la première, ont le même effet chez des éleveurs d’Afrique de l’Est et du Moyen-Orient&amp;nbsp;: la même adaptation est apparue plusieurs fois.</source>
        <translation>&lt;b&gt;Natural selection.&lt;/b&gt; This mutation became common among peoples who have kept animals for their milk for a few thousand years: drinking milk as an adult was an advantage (food, water, calcium), and carriers of the allele had more offspring. Other mutations, close to the first, have the same effect in herders of East Africa and the Middle East: the same adaptation arose several times.</translation>
    </message>
    <message>
        <source>Adultes qui digèrent le lactose (ordres de grandeur)&amp;nbsp;:</source>
        <translation>Adults who digest lactose (orders of magnitude):</translation>
    </message>
    <message>
        <source>Europe du Nord</source>
        <translation>Northern Europe</translation>
    </message>
    <message>
        <source>dans le monde</source>
        <translation>worldwide</translation>
    </message>
    <message>
        <source>Asie de l’Est</source>
        <translation>East Asia</translation>
    </message>
    <message>
        <source>moins de 10&amp;nbsp;%</source>
        <translation>under 10&amp;nbsp;%</translation>
    </message>
    <message>
        <source>environ %1&amp;nbsp;%</source>
        <translation>about %1&amp;nbsp;%</translation>
    </message>
    <message>
        <source>&lt;b&gt;La lactase de Velmora.&lt;/b&gt; Temps de demi-réaction (20 enzymes, 100 molécules de lactose, pH&amp;nbsp;8)&amp;nbsp;: la moyenne de 20 expériences, et entre parenthèses la plus rapide et la plus lente.</source>
        <translation>&lt;b&gt;Velmora’s lactase.&lt;/b&gt; Half-time (20 enzymes, 100 lactose molecules, pH&amp;nbsp;8): the mean of 20 experiments, and in brackets the fastest and the slowest.</translation>
    </message>
    <message>
        <source>Dans le modèle, la réaction est la plus rapide entre &lt;b&gt;40 et 50&amp;nbsp;°C&lt;/b&gt;, et à &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;. La lactase de l’intestin humain travaille à la température du corps, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, et vers &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;. Les molécules bougent au hasard&amp;nbsp;: une expérience tombe dans l’intervalle, rarement sur la moyenne. On répète et on fait la moyenne.</source>
        <translation>In the model, the reaction is fastest between &lt;b&gt;40 and 50&amp;nbsp;°C&lt;/b&gt;, and at &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;. The lactase of the human gut works at body temperature, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, and around &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;. The molecules move at random: one experiment falls within the range, seldom on the mean. It is repeated and the mean taken.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ce que le modèle simplifie&lt;/b&gt;&lt;br&gt;• Le temps est très ralenti&amp;nbsp;: une lactase du modèle coupe moins d’un lactose par seconde, une vraie quelques dizaines&amp;nbsp;; et la boîte ne contient que quelques centaines de molécules, au lieu de milliards de milliards.&lt;br&gt;• À 0&amp;nbsp;°C et en dessous, plus rien ne bouge&amp;nbsp;; en réalité, la réaction ralentit beaucoup sans s’arrêter.&lt;br&gt;• Au-dessus de 40&amp;nbsp;°C, une part des enzymes est dénaturée aussitôt (la moitié à 60&amp;nbsp;°C, toutes à 80&amp;nbsp;°C)&amp;nbsp;; en réalité, cela prend du temps.&lt;br&gt;• Loin du pH optimal, une part des enzymes est chargée et ne fixe plus rien&amp;nbsp;; en réalité, toutes ralentissent peu à peu.&lt;br&gt;• Sans enzyme, le modèle n’hydrolyse les sucres qu’en milieu très acide (pH inférieur à 3) et chaud (plus de 30&amp;nbsp;°C).</source>
        <translation>&lt;b&gt;What the model simplifies&lt;/b&gt;&lt;br&gt;• Time is greatly slowed: a lactase of the model cuts less than one lactose per second, a real one a few tens; and the box holds only a few hundred molecules instead of billions of billions.&lt;br&gt;• At 0&amp;nbsp;°C and below, nothing moves any more; in reality, the reaction slows down a lot without stopping.&lt;br&gt;• Above 40&amp;nbsp;°C, a share of the enzymes is denatured at once (half at 60&amp;nbsp;°C, all at 80&amp;nbsp;°C); in reality, this takes time.&lt;br&gt;• Far from the optimum pH, a share of the enzymes is charged and binds nothing; in reality, they all slow down gradually.&lt;br&gt;• Without enzyme, the model hydrolyses sugars only in very acid (pH below 3) and warm (above 30&amp;nbsp;°C) conditions.</translation>
    </message>
    <message>
        <source>Hydrolyse du lactose, 37&amp;nbsp;°C, pH&amp;nbsp;8, 20&amp;nbsp;enzymes, 100&amp;nbsp;lactoses&amp;nbsp;: changez ensuite la température.</source>
        <translation>Lactose hydrolysis, 37&amp;nbsp;°C, pH&amp;nbsp;8, 20&amp;nbsp;enzymes, 100&amp;nbsp;lactose: then change the temperature.</translation>
    </message>
    <message>
        <source>Le lactose, sucre du lait, est un diholoside&amp;nbsp;: un galactose et un glucose unis par une liaison β(1→4).</source>
        <translation>Lactose, the sugar of milk, is a disaccharide: a galactose and a glucose joined by a β(1→4) bond.</translation>
    </message>
    <message>
        <source>Son &lt;b&gt;hydrolyse&lt;/b&gt; coupe cette liaison en y fixant une molécule d’eau&amp;nbsp;; elle donne du glucose et du galactose.</source>
        <translation>Its &lt;b&gt;hydrolysis&lt;/b&gt; cuts this bond by adding a molecule of water to it; it gives glucose and galactose.</translation>
    </message>
    <message>
        <source>La &lt;b&gt;lactase&lt;/b&gt;, enzyme de la paroi de l’intestin grêle, catalyse cette réaction&amp;nbsp;: sans elle, la réaction serait trop lente pour se voir. Elle sort intacte de chaque réaction.</source>
        <translation>&lt;b&gt;Lactase&lt;/b&gt;, an enzyme of the small intestine’s wall, catalyses this reaction: without it, the reaction would be too slow to be seen. It comes out of each reaction unchanged.</translation>
    </message>
    <message>
        <source>Beaucoup d’adultes produisent peu de lactase&amp;nbsp;; chez d’autres, une mutation garde le gène actif&amp;nbsp;: la sélection naturelle l’a rendue fréquente chez les éleveurs.</source>
        <translation>Many adults make little lactase; in others, a mutation keeps the gene active: natural selection made it common among herders.</translation>
    </message>
    <message>
        <source>Pourquoi le lactose doit-il être hydrolysé pour être absorbé&amp;nbsp;?</source>
        <translation>Why must lactose be hydrolysed to be absorbed?</translation>
    </message>
    <message>
        <source>Il ne traverse pas la paroi de l’intestin&amp;nbsp;: seuls les oses qu’il libère, glucose et galactose, passent dans le sang.</source>
        <translation>It does not cross the wall of the intestine: only the sugars it releases, glucose and galactose, pass into the blood.</translation>
    </message>
    <message>
        <source>Le lait «&amp;nbsp;sans lactose&amp;nbsp;» a un goût plus sucré. Pourquoi&amp;nbsp;?</source>
        <translation>“Lactose-free” milk tastes sweeter. Why?</translation>
    </message>
    <message>
        <source>Une lactase y a déjà hydrolysé le lactose&amp;nbsp;: le glucose et le galactose libérés sont plus sucrés que le lactose.</source>
        <translation>A lactase has already hydrolysed its lactose: the glucose and galactose released are sweeter than lactose.</translation>
    </message>
    <message>
        <source>Une lactase est-elle consommée par la réaction qu’elle catalyse&amp;nbsp;?</source>
        <translation>Is a lactase used up by the reaction it catalyses?</translation>
    </message>
    <message>
        <source>Non&amp;nbsp;: elle sort intacte de chaque réaction et recommence. C’est un catalyseur&amp;nbsp;: un peu d’enzyme transforme beaucoup de lactose.</source>
        <translation>No: it comes out of each reaction unchanged and starts again. It is a catalyst: a little enzyme transforms a lot of lactose.</translation>
    </message>
    <message>
        <source>dans l’intestin&amp;nbsp;: le lactose</source>
        <translation>in the intestine: lactose</translation>
    </message>
    <message>
        <source>membrane des cellules&amp;nbsp;: la lactase</source>
        <translation>cell membrane: lactase</translation>
    </message>
    <message>
        <source>vaisseau sanguin&amp;nbsp;: le glucose et le galactose partent dans le sang</source>
        <translation>blood vessel: glucose and galactose go into the blood</translation>
    </message>
    <message>
        <source>villosité</source>
        <translation>villus</translation>
    </message>
</context>
<context>
    <name>infograph</name>
    <message>
        <source>Précédent</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Lire le graphique</source>
        <translation>Reading the graph</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>100&#xa0;UA</source>
        <translation>100&#xa0;AU</translation>
    </message>
    <message>
        <source>0&#xa0;UA</source>
        <translation>0&#xa0;AU</translation>
    </message>
    <message>
        <source>Temps&#xa0;: %1&#xa0;s</source>
        <translation>Time: %1&#xa0;s</translation>
    </message>
    <message>
        <source>pourcentage</source>
        <translation>percentage</translation>
    </message>
    <message>
        <source>Comparez la pente avant et après le trait&amp;nbsp;: la réaction a-t-elle accéléré, ralenti, ou s’est-elle arrêtée&amp;nbsp;?</source>
        <translation>Compare the slope before and after the line: did the reaction speed up, slow down, or stop?</translation>
    </message>
    <message>
        <source>◀  Précédent</source>
        <translation>◀  Previous</translation>
    </message>
    <message>
        <source>Suivant  ▶</source>
        <translation>Next  ▶</translation>
    </message>
    <message>
        <source>La &lt;b&gt;courbe blanche&lt;/b&gt;&amp;nbsp;: le &lt;b&gt;substrat&lt;/b&gt; qui reste, seconde après seconde.</source>
        <translation>The &lt;b&gt;white curve&lt;/b&gt;: the &lt;b&gt;substrate&lt;/b&gt; left, second after second.</translation>
    </message>
    <message>
        <source>Elle descend quand les enzymes transforment le substrat&amp;nbsp;: plus la pente est forte, plus la réaction est &lt;b&gt;rapide&lt;/b&gt;.</source>
        <translation>It goes down as the enzymes transform the substrate: the steeper the slope, the &lt;b&gt;faster&lt;/b&gt; the reaction.</translation>
    </message>
    <message>
        <source>Une courbe plate&amp;nbsp;: plus de substrat, ou des enzymes qui ne travaillent plus.</source>
        <translation>A flat curve: no substrate left, or enzymes that no longer work.</translation>
    </message>
    <message>
        <source>Case &lt;b&gt;pourcentage&lt;/b&gt; cochée&amp;nbsp;: 100&amp;nbsp;% est la quantité de départ. Décochée&amp;nbsp;: l’axe compte des molécules (&lt;b&gt;unités arbitraires&lt;/b&gt;, UA).</source>
        <translation>&lt;b&gt;Percentage&lt;/b&gt; box ticked: 100&amp;nbsp;% is the starting amount. Unticked: the axis counts molecules (&lt;b&gt;arbitrary units&lt;/b&gt;, AU).</translation>
    </message>
    <message>
        <source>Le temps va par &lt;b&gt;pages de 100&amp;nbsp;s&lt;/b&gt;&amp;nbsp;: à 101&amp;nbsp;s, une nouvelle page commence, et la courbe reprend où elle était, comme ici.</source>
        <translation>Time runs in &lt;b&gt;pages of 100&amp;nbsp;s&lt;/b&gt;: at 101&amp;nbsp;s a new page begins, and the curve goes on from where it was, as here.</translation>
    </message>
    <message>
        <source>Un trait &lt;font color=&apos;#d00000&apos;&gt;&lt;b&gt;rouge&lt;/b&gt;&lt;/font&gt;&amp;nbsp;: la &lt;b&gt;température&lt;/b&gt; a changé à cette seconde.</source>
        <translation>A &lt;font color=&apos;#d00000&apos;&gt;&lt;b&gt;red&lt;/b&gt;&lt;/font&gt; line: the &lt;b&gt;temperature&lt;/b&gt; was changed at that second.</translation>
    </message>
    <message>
        <source>Un trait &lt;font color=&apos;#0000d0&apos;&gt;&lt;b&gt;bleu&lt;/b&gt;&lt;/font&gt;&amp;nbsp;: le &lt;b&gt;pH&lt;/b&gt; a changé.</source>
        <translation>A &lt;font color=&apos;#0000d0&apos;&gt;&lt;b&gt;blue&lt;/b&gt;&lt;/font&gt; line: the &lt;b&gt;pH&lt;/b&gt; was changed.</translation>
    </message>
</context>
<context>
    <name>lactose</name>
    <message>
        <source>La molécule de lactose</source>
        <translation>The lactose molecule</translation>
    </message>
    <message>
        <source>Le lactose est formé de deux &lt;b&gt;oses&lt;/b&gt; (sucres simples) de formule C₆H₁₂O₆&amp;nbsp;: le &lt;b&gt;galactose&lt;/b&gt; et le &lt;b&gt;glucose&lt;/b&gt;. Chacun forme un cycle de cinq carbones et un oxygène. Ils ne diffèrent que par l’&lt;b&gt;orientation&lt;/b&gt; du groupe OH du &lt;b&gt;carbone 4&lt;/b&gt; (en orange)&amp;nbsp;: au-dessus du cycle dans le galactose, au-dessous dans le glucose.</source>
        <translation>Lactose is made of two &lt;b&gt;monosaccharides&lt;/b&gt; (simple sugars) with the formula C₆H₁₂O₆: &lt;b&gt;galactose&lt;/b&gt; and &lt;b&gt;glucose&lt;/b&gt;. Each forms a ring of five carbons and one oxygen. They differ only in the &lt;b&gt;orientation&lt;/b&gt; of the OH group on &lt;b&gt;carbon 4&lt;/b&gt; (in orange): above the ring in galactose, below it in glucose.</translation>
    </message>
    <message>
        <source>β-galactose</source>
        <translation>β-galactose</translation>
    </message>
    <message>
        <source>β-glucose</source>
        <translation>β-glucose</translation>
    </message>
    <message>
        <source>Représentation de Haworth&amp;nbsp;: le cycle est vu en perspective, bord épais devant&amp;nbsp;; les groupes sont dessinés au-dessus ou au-dessous. Les H portés par les carbones ne sont pas dessinés.</source>
        <translation>Haworth projection: the ring is seen in perspective, thick edge at the front; the groups are drawn above or below it. The H atoms on the carbons are not drawn.</translation>
    </message>
    <message>
        <source>Le carbone 1 du galactose et le carbone 4 du glucose sont unis par un pont d’oxygène&amp;nbsp;: la &lt;b&gt;liaison osidique β(1→4)&lt;/b&gt;. Sur le papier, unir les deux oses revient à retirer une molécule d’&lt;b&gt;eau&lt;/b&gt;&amp;nbsp;; l’hydrolyse fait l’inverse&amp;nbsp;: elle fixe une molécule d’eau pour couper la liaison.</source>
        <translation>Carbon 1 of galactose and carbon 4 of glucose are joined by an oxygen bridge: the &lt;b&gt;β(1→4) glycosidic bond&lt;/b&gt;. On paper, joining the two monosaccharides amounts to removing a molecule of &lt;b&gt;water&lt;/b&gt;; hydrolysis does the reverse: it adds a molecule of water to break the bond.</translation>
    </message>
    <message>
        <source>galactose</source>
        <translation>galactose</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>liaison β(1→4)</source>
        <translation>β(1→4) bond</translation>
    </message>
    <message>
        <source>Dans la &lt;b&gt;glande mammaire&lt;/b&gt;, la cellule unit le glucose à l’&lt;b&gt;UDP‑galactose&lt;/b&gt;, un galactose «&amp;nbsp;activé&amp;nbsp;»&amp;nbsp;: c’est l’&lt;b&gt;UDP&lt;/b&gt; qui est libéré, et non de l’eau. C’est la synthèse du lactose de Velmora.</source>
        <translation>In the &lt;b&gt;mammary gland&lt;/b&gt;, the cell joins glucose to &lt;b&gt;UDP‑galactose&lt;/b&gt;, an “activated” galactose: it is &lt;b&gt;UDP&lt;/b&gt; that is released, not water. This is the lactose synthesis of Velmora.</translation>
    </message>
    <message>
        <source>Fiche d’identité du lactose</source>
        <translation>Lactose fact file</translation>
    </message>
    <message>
        <source>Formule brute</source>
        <translation>Molecular formula</translation>
    </message>
    <message>
        <source>C₁₂H₂₂O₁₁ (45 atomes)</source>
        <translation>C₁₂H₂₂O₁₁ (45 atoms)</translation>
    </message>
    <message>
        <source>Masse molaire</source>
        <translation>Molar mass</translation>
    </message>
    <message>
        <source>Nom complet</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Famille</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>diholoside (deux oses unis par une liaison osidique)</source>
        <translation>disaccharide (two monosaccharides joined by a glycosidic bond)</translation>
    </message>
    <message>
        <source>Où le trouve-t-on&#xa0;?</source>
        <translation>Where is it found?</translation>
    </message>
    <message>
        <source>dans le lait des mammifères&#xa0;: environ 50&#xa0;g par litre de lait de vache</source>
        <translation>in the milk of mammals: about 50&#xa0;g per litre of cow’s milk</translation>
    </message>
    <message>
        <source>Fabriqué par</source>
        <translation>Made by</translation>
    </message>
    <message>
        <source>la glande mammaire, à partir de glucose et d’UDP‑galactose</source>
        <translation>the mammary gland, from glucose and UDP‑galactose</translation>
    </message>
    <message>
        <source>Sucre réducteur&#xa0;?</source>
        <translation>Reducing sugar?</translation>
    </message>
    <message>
        <source>oui&#xa0;: le carbone 1 du glucose reste libre (test de Fehling positif)</source>
        <translation>yes: carbon 1 of the glucose stays free (positive Fehling’s test)</translation>
    </message>
    <message>
        <source>Hydrolysé par</source>
        <translation>Hydrolysed by</translation>
    </message>
    <message>
        <source>la lactase, en glucose et galactose</source>
        <translation>lactase, into glucose and galactose</translation>
    </message>
    <message>
        <source>Le lactose (C₁₂H₂₂O₁₁) est fait d’un galactose et d’un glucose, deux oses de formule C₆H₁₂O₆.</source>
        <translation>Lactose (C₁₂H₂₂O₁₁) is made of a galactose and a glucose, two sugars of formula C₆H₁₂O₆.</translation>
    </message>
    <message>
        <source>Ils sont unis par une &lt;b&gt;liaison osidique β(1→4)&lt;/b&gt;&amp;nbsp;: du carbone 1 du galactose au carbone 4 du glucose, par un oxygène.</source>
        <translation>They are joined by a &lt;b&gt;β(1→4) glycosidic bond&lt;/b&gt;: from carbon 1 of the galactose to carbon 4 of the glucose, through an oxygen.</translation>
    </message>
    <message>
        <source>Le glucose et le galactose ne diffèrent que par l’orientation du groupe OH de leur carbone 4.</source>
        <translation>Glucose and galactose differ only by the orientation of the OH group of their carbon 4.</translation>
    </message>
    <message>
        <source>Que veut dire «&amp;nbsp;β(1→4)&amp;nbsp;»&amp;nbsp;?</source>
        <translation>What does “β(1→4)” mean?</translation>
    </message>
    <message>
        <source>La liaison part du carbone 1 du galactose, vers le haut (β), et arrive au carbone 4 du glucose.</source>
        <translation>The bond leaves carbon 1 of the galactose, upwards (β), and reaches carbon 4 of the glucose.</translation>
    </message>
    <message>
        <source>Le lactose est-il réducteur&amp;nbsp;? Pourquoi&amp;nbsp;?</source>
        <translation>Is lactose a reducing sugar? Why?</translation>
    </message>
    <message>
        <source>Oui&amp;nbsp;: le carbone 1 de son glucose reste libre.</source>
        <translation>Yes: carbon 1 of its glucose stays free.</translation>
    </message>
</context>
<context>
    <name>lactose3d</name>
    <message>
        <source>Molécule de lactose en trois dimensions</source>
        <translation>Lactose molecule in three dimensions</translation>
    </message>
    <message>
        <source>Les flèches du clavier la tournent.</source>
        <translation>The arrow keys turn it.</translation>
    </message>
    <message>
        <source>Le lactose en trois dimensions</source>
        <translation>Lactose in three dimensions</translation>
    </message>
    <message>
        <source>Faites glisser la molécule avec la souris, ou utilisez les flèches du clavier, pour la tourner.</source>
        <translation>Drag the molecule with the mouse, or use the arrow keys, to turn it.</translation>
    </message>
    <message>
        <source>carbone (C)&#xa0;: 12</source>
        <translation>carbon (C): 12</translation>
    </message>
    <message>
        <source>oxygène (O)&#xa0;: 11</source>
        <translation>oxygen (O): 11</translation>
    </message>
    <message>
        <source>hydrogène (H)&#xa0;: 22</source>
        <translation>hydrogen (H): 22</translation>
    </message>
    <message>
        <source>Liaison β(1→4)</source>
        <translation>β(1→4) bond</translation>
    </message>
    <message>
        <source>Colorer les deux sucres</source>
        <translation>Colour the two sugars</translation>
    </message>
    <message>
        <source>Arrêter la rotation</source>
        <translation>Stop turning</translation>
    </message>
    <message>
        <source>Vue de départ</source>
        <translation>Starting view</translation>
    </message>
    <message>
        <source>Les cycles ne sont pas plats&amp;nbsp;: ils ont la forme d’une &lt;b&gt;chaise&lt;/b&gt;.</source>
        <translation>The rings are not flat: they have a &lt;b&gt;chair&lt;/b&gt; shape.</translation>
    </message>
    <message>
        <source>carbone du galactose&#xa0;: 6</source>
        <translation>galactose carbon: 6</translation>
    </message>
    <message>
        <source>carbone du glucose&#xa0;: 6</source>
        <translation>glucose carbon: 6</translation>
    </message>
    <message>
        <source>L’oxygène qui unit les deux sucres est entouré de jaune.</source>
        <translation>The oxygen joining the two sugars is circled in yellow.</translation>
    </message>
    <message>
        <source>Rotation automatique</source>
        <translation>Automatic rotation</translation>
    </message>
    <message>
        <source>Le lactose compte 45&amp;nbsp;atomes&amp;nbsp;: 12 de carbone, 22 d’hydrogène et 11 d’oxygène.</source>
        <translation>Lactose has 45&amp;nbsp;atoms: 12 of carbon, 22 of hydrogen and 11 of oxygen.</translation>
    </message>
    <message>
        <source>Ses deux cycles ne sont pas plats&amp;nbsp;: ils ont la forme d’une &lt;b&gt;chaise&lt;/b&gt;.</source>
        <translation>Its two rings are not flat: they have the shape of a &lt;b&gt;chair&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Le galactose et le glucose ne diffèrent que par le OH de leur carbone 4&amp;nbsp;: dressé hors du cycle dans le galactose, dans son prolongement dans le glucose.</source>
        <translation>Galactose and glucose differ only by the OH of their carbon 4: standing up out of the ring in galactose, in line with it in glucose.</translation>
    </message>
    <message>
        <source>Quel atome unit les deux sucres du lactose&amp;nbsp;?</source>
        <translation>Which atom joins the two sugars of lactose?</translation>
    </message>
    <message>
        <source>Un atome d’oxygène, celui de la liaison β(1→4), entouré de jaune dans le modèle.</source>
        <translation>An oxygen atom, that of the β(1→4) bond, circled in yellow in the model.</translation>
    </message>
    <message>
        <source>Pourquoi la forme en trois dimensions compte-t-elle pour une enzyme&amp;nbsp;?</source>
        <translation>Why does the three-dimensional shape matter to an enzyme?</translation>
    </message>
    <message>
        <source>Le site actif d’une enzyme a une forme qui complète celle de son substrat&amp;nbsp;: c’est la forme de la molécule, pas sa formule écrite, qui s’y loge.</source>
        <translation>An enzyme’s active site has a shape that complements that of its substrate: it is the molecule’s shape, not its written formula, that fits in.</translation>
    </message>
</context>
<context>
    <name>liqueurfehling</name>
    <message>
        <source>La liqueur de Fehling, le test des sucres réducteurs</source>
        <translation>Fehling’s solution, the test for reducing sugars</translation>
    </message>
    <message>
        <source>La &lt;b&gt;liqueur de Fehling&lt;/b&gt; est une solution &lt;b&gt;basique&lt;/b&gt; et &lt;b&gt;bleue&lt;/b&gt;&amp;nbsp;: elle contient des ions cuivre(II) Cu²⁺. Chauffée avec un &lt;b&gt;sucre réducteur&lt;/b&gt;, elle donne un &lt;b&gt;précipité rouge brique&lt;/b&gt; d’oxyde de cuivre(I) Cu₂O&amp;nbsp;: le sucre a réduit les ions Cu²⁺ en ions Cu⁺.</source>
        <translation>&lt;b&gt;Fehling’s solution&lt;/b&gt; is an &lt;b&gt;alkaline&lt;/b&gt;, &lt;b&gt;blue&lt;/b&gt; solution: it contains copper(II) ions, Cu²⁺. Heated with a &lt;b&gt;reducing sugar&lt;/b&gt;, it gives a &lt;b&gt;brick-red precipitate&lt;/b&gt; of copper(I) oxide, Cu₂O: the sugar has reduced the Cu²⁺ ions to Cu⁺ ions.</translation>
    </message>
    <message>
        <source>avant</source>
        <translation>before</translation>
    </message>
    <message>
        <source>après chauffage</source>
        <translation>after heating</translation>
    </message>
    <message>
        <source>Liqueur de Fehling et glucose, à froid&amp;nbsp;: rien ne se passe.</source>
        <translation>Fehling’s solution and glucose, cold: nothing happens.</translation>
    </message>
    <message>
        <source>On chauffe au bain-marie bouillant…</source>
        <translation>Heat in a boiling water bath…</translation>
    </message>
    <message>
        <source>… la couleur vire au vert…</source>
        <translation>… the colour turns green…</translation>
    </message>
    <message>
        <source>… puis au jaune-orangé…</source>
        <translation>… then yellow-orange…</translation>
    </message>
    <message>
        <source>… et un précipité rouge brique se dépose.</source>
        <translation>… and a brick-red precipitate settles.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Les sucres de Velmora&lt;/b&gt; et la liqueur de Fehling</source>
        <translation>&lt;b&gt;Velmora’s sugars&lt;/b&gt; and Fehling’s solution</translation>
    </message>
    <message>
        <source>Glucose</source>
        <translation>Glucose</translation>
    </message>
    <message>
        <source>son carbone 1 est libre</source>
        <translation>its carbon 1 is free</translation>
    </message>
    <message>
        <source>Galactose</source>
        <translation>Galactose</translation>
    </message>
    <message>
        <source>Lactose</source>
        <translation>Lactose</translation>
    </message>
    <message>
        <source>le carbone 1 du glucose reste libre</source>
        <translation>carbon 1 of the glucose stays free</translation>
    </message>
    <message>
        <source>Maltose</source>
        <translation>Maltose</translation>
    </message>
    <message>
        <source>UDP‑galactose</source>
        <translation>UDP‑galactose</translation>
    </message>
    <message>
        <source>le carbone 1 du galactose est lié à l’UDP</source>
        <translation>carbon 1 of the galactose is bound to the UDP</translation>
    </message>
    <message>
        <source>Amylose</source>
        <translation>Amylose</translation>
    </message>
    <message>
        <source>un seul carbone 1 libre au bout de chaque longue chaîne&#xa0;: presque rien</source>
        <translation>only one free carbon 1 at the end of each long chain: hardly anything</translation>
    </message>
    <message>
        <source>non réducteur</source>
        <translation>non-reducing</translation>
    </message>
    <message>
        <source>à peine réducteur</source>
        <translation>barely reducing</translation>
    </message>
    <message>
        <source>réducteur</source>
        <translation>reducing</translation>
    </message>
    <message>
        <source>Un ose est réducteur quand son carbone &lt;b&gt;anomère&lt;/b&gt; est libre&amp;nbsp;: celui qui porte la fonction aldéhyde (le &lt;b&gt;carbone 1&lt;/b&gt; des aldoses comme le glucose et le galactose) ou cétone (le carbone 2 des cétoses comme le fructose) dans la forme ouverte de la molécule. Un diholoside est réducteur s’il garde un carbone anomère libre, comme le lactose et le maltose. &lt;b&gt;Piège&lt;/b&gt;&amp;nbsp;: le &lt;b&gt;saccharose&lt;/b&gt; (le sucre de table) n’est &lt;b&gt;pas réducteur&lt;/b&gt;, car ses deux carbones anomères sont engagés dans la liaison.</source>
        <translation>A sugar is reducing when its &lt;b&gt;anomeric&lt;/b&gt; carbon is free: the one that carries the aldehyde group (&lt;b&gt;carbon 1&lt;/b&gt; of aldoses such as glucose and galactose) or the ketone group (carbon 2 of ketoses such as fructose) in the open form of the molecule. A disaccharide is reducing if it keeps a free anomeric carbon, like lactose and maltose. &lt;b&gt;Trap&lt;/b&gt;: &lt;b&gt;sucrose&lt;/b&gt; (table sugar) is &lt;b&gt;not reducing&lt;/b&gt;, because both its anomeric carbons are taken up in the bond.</translation>
    </message>
    <message>
        <source>le carbone 1 du second glucose reste libre</source>
        <translation>carbon 1 of the second glucose stays free</translation>
    </message>
    <message>
        <source>Un test ne suit une réaction que s’il &lt;b&gt;change&lt;/b&gt; entre le début et la fin. Le lactose, le maltose et le glucose sont tous réducteurs&amp;nbsp;: Fehling reste rouge brique du début à la fin de leur hydrolyse. Avec l’amylose, au contraire, il passe du bleu au rouge brique&amp;nbsp;: le maltose apparaît.</source>
        <translation>A test follows a reaction only if it &lt;b&gt;changes&lt;/b&gt; between the start and the end. Lactose, maltose and glucose are all reducing: Fehling stays brick red from start to end of their hydrolysis. With amylose, on the contrary, it goes from blue to brick red: maltose appears.</translation>
    </message>
    <message>
        <source>Hydrolyse du lactose</source>
        <translation>Lactose hydrolysis</translation>
    </message>
    <message>
        <source>Hydrolyse de l’amylose</source>
        <translation>Amylose hydrolysis</translation>
    </message>
    <message>
        <source>au début</source>
        <translation>at the start</translation>
    </message>
    <message>
        <source>à la fin</source>
        <translation>at the end</translation>
    </message>
    <message>
        <source>Pour le lactose et le maltose, on cherche l’apparition du glucose avec une bandelette. Le tableau de tous les tests&amp;nbsp;: voir le sujet «&amp;nbsp;Quel test pour quelle réaction&amp;nbsp;?&amp;nbsp;».</source>
        <translation>For lactose and maltose, look for glucose appearing, with a test strip. The table of all the tests: see the topic “Which test for which reaction?”.</translation>
    </message>
    <message>
        <source>La liqueur de Fehling, bleue, donne à chaud un &lt;b&gt;précipité rouge brique&lt;/b&gt; avec un sucre réducteur.</source>
        <translation>Fehling’s solution, blue, gives a &lt;b&gt;brick-red precipitate&lt;/b&gt; with a reducing sugar when heated.</translation>
    </message>
    <message>
        <source>Un sucre est réducteur quand son carbone anomère (C1 du glucose) est libre&amp;nbsp;: glucose, galactose, lactose, maltose le sont&amp;nbsp;; le saccharose non.</source>
        <translation>A sugar is reducing when its anomeric carbon (C1 of glucose) is free: glucose, galactose, lactose, maltose are; sucrose is not.</translation>
    </message>
    <message>
        <source>Pour suivre une réaction, le test doit changer&amp;nbsp;: Fehling suit l’hydrolyse de l’amidon, pas celle du lactose.</source>
        <translation>To follow a reaction, the test must change: Fehling follows the hydrolysis of starch, not that of lactose.</translation>
    </message>
    <message>
        <source>Pourquoi le saccharose n’est-il pas réducteur&amp;nbsp;?</source>
        <translation>Why is sucrose not reducing?</translation>
    </message>
    <message>
        <source>Ses deux carbones anomères (C1 du glucose, C2 du fructose) sont engagés dans la liaison&amp;nbsp;: aucun n’est libre.</source>
        <translation>Both its anomeric carbons (C1 of glucose, C2 of fructose) are taken up in the bond: neither is free.</translation>
    </message>
    <message>
        <source>Pourquoi chauffe-t-on le tube&amp;nbsp;?</source>
        <translation>Why is the tube heated?</translation>
    </message>
    <message>
        <source>À froid, la réduction des ions cuivre(II) est trop lente pour se voir&amp;nbsp;: il faut le bain-marie bouillant.</source>
        <translation>Cold, the reduction of the copper(II) ions is too slow to be seen: a boiling water bath is needed.</translation>
    </message>
</context>
<context>
    <name>maltose</name>
    <message>
        <source>L’hydrolyse du maltose</source>
        <translation>The hydrolysis of maltose</translation>
    </message>
    <message>
        <source>Le &lt;b&gt;maltose&lt;/b&gt; est un &lt;b&gt;diholoside&lt;/b&gt; fait de &lt;b&gt;deux glucoses&lt;/b&gt;. Il se forme quand l’amidon est digéré (et dans l’orge qui germe, le malt, d’où son nom). Son &lt;b&gt;hydrolyse&lt;/b&gt; coupe la liaison entre les deux glucoses en y fixant une molécule d’eau.</source>
        <translation>&lt;b&gt;Maltose&lt;/b&gt; is a &lt;b&gt;disaccharide&lt;/b&gt; made of &lt;b&gt;two glucose units&lt;/b&gt;. It forms when starch is digested (and in germinating barley, malt, hence its name). Its &lt;b&gt;hydrolysis&lt;/b&gt; breaks the bond between the two glucose units by adding a water molecule to it.</translation>
    </message>
    <message>
        <source>maltose</source>
        <translation>maltose</translation>
    </message>
    <message>
        <source>eau</source>
        <translation>water</translation>
    </message>
    <message>
        <source>maltase</source>
        <translation>maltase</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>La réaction est &lt;b&gt;catalysée&lt;/b&gt; par la &lt;b&gt;maltase&lt;/b&gt; (une α-glucosidase)&amp;nbsp;: sans enzyme, à 37&amp;nbsp;°C, cette réaction serait si lente qu’on ne la verrait pas.</source>
        <translation>The reaction is &lt;b&gt;catalysed&lt;/b&gt; by &lt;b&gt;maltase&lt;/b&gt; (an α-glucosidase): without an enzyme, at 37&amp;nbsp;°C, this reaction would be so slow that it could not be seen.</translation>
    </message>
    <message>
        <source>Le &lt;b&gt;carbone 1&lt;/b&gt; du premier glucose est lié au &lt;b&gt;carbone 4&lt;/b&gt; du second par un atome d’oxygène&amp;nbsp;: c’est la &lt;b&gt;liaison α(1→4)&lt;/b&gt;. «&amp;nbsp;α&amp;nbsp;» dit que cette liaison part du carbone 1 vers le bas, du côté opposé au groupe CH₂OH.</source>
        <translation>&lt;b&gt;Carbon&amp;nbsp;1&lt;/b&gt; of the first glucose is linked to &lt;b&gt;carbon&amp;nbsp;4&lt;/b&gt; of the second through an oxygen atom: this is the &lt;b&gt;α(1→4) bond&lt;/b&gt;. “α” means that this bond leaves carbon&amp;nbsp;1 downwards, on the side opposite the CH₂OH group.</translation>
    </message>
    <message>
        <source>liaison α(1→4)</source>
        <translation>α(1→4) bond</translation>
    </message>
    <message>
        <source>Le lactose a lui aussi une liaison (1→4), mais &lt;b&gt;β&lt;/b&gt;, et elle part d’un &lt;b&gt;galactose&lt;/b&gt;. Le second glucose du maltose garde son carbone 1 libre&amp;nbsp;: le maltose est un sucre &lt;b&gt;réducteur&lt;/b&gt;.</source>
        <translation>Lactose also has a (1→4) bond, but a &lt;b&gt;β&lt;/b&gt; one, and it starts from a &lt;b&gt;galactose&lt;/b&gt;. The second glucose of maltose keeps its carbon&amp;nbsp;1 free: maltose is a &lt;b&gt;reducing&lt;/b&gt; sugar.</translation>
    </message>
    <message>
        <source>1. Le maltose rencontre la maltase.</source>
        <translation>1. Maltose meets maltase.</translation>
    </message>
    <message>
        <source>3. La maltase coupe la liaison α(1→4) en y fixant une molécule d’eau.</source>
        <translation>3. Maltase breaks the α(1→4) bond by adding a water molecule to it.</translation>
    </message>
    <message>
        <source>4. Deux glucoses sont libérés. La maltase, intacte, peut recommencer.</source>
        <translation>4. Two glucose molecules are released. The maltase, unchanged, can start again.</translation>
    </message>
    <message>
        <source>avec du lactose</source>
        <translation>with lactose</translation>
    </message>
    <message>
        <source>avec du maltose</source>
        <translation>with maltose</translation>
    </message>
    <message>
        <source>lactase</source>
        <translation>lactase</translation>
    </message>
    <message>
        <source>coupé</source>
        <translation>cut</translation>
    </message>
    <message>
        <source>non coupé</source>
        <translation>not cut</translation>
    </message>
    <message>
        <source>&lt;b&gt;Au laboratoire.&lt;/b&gt; Maltose + lactase, 10&amp;nbsp;min à 37&amp;nbsp;°C&amp;nbsp;: la bandelette à glucose reste négative. Maltose + maltase&amp;nbsp;: elle devient positive.</source>
        <translation>&lt;b&gt;In the laboratory.&lt;/b&gt; Maltose + lactase, 10&amp;nbsp;min at 37&amp;nbsp;°C: the glucose test strip stays negative. Maltose + maltase: it turns positive.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’organisme.&lt;/b&gt; Le maltose vient de l’amidon, coupé par les amylases de la salive et du pancréas. La maltase est portée par la membrane des cellules de l’&lt;b&gt;intestin grêle&lt;/b&gt;&amp;nbsp;: le glucose libéré passe dans le sang. Elle travaille vers 37&amp;nbsp;°C et à un pH proche de 6 à 7.</source>
        <translation>&lt;b&gt;In the body.&lt;/b&gt; Maltose comes from starch, cut by the amylases of saliva and of the pancreas. Maltase is carried by the membrane of the cells of the &lt;b&gt;small intestine&lt;/b&gt;: the glucose released passes into the blood. It works at about 37&amp;nbsp;°C and at a pH close to 6 to 7.</translation>
    </message>
    <message>
        <source>2. Son premier glucose entre dans le site actif&amp;nbsp;: c’est le complexe enzyme-substrat.</source>
        <translation>2. Its first glucose enters the active site: this is the enzyme-substrate complex.</translation>
    </message>
    <message>
        <source>Dans la boîte de Velmora, le maltose est dessiné en orange foncé&#xa0;:</source>
        <translation>In Velmora’s box, maltose is drawn in dark orange:</translation>
    </message>
    <message>
        <source>Une enzyme est &lt;b&gt;spécifique&lt;/b&gt;. La lactase reconnaît un galactose lié en β&amp;nbsp;: elle ne coupe pas la liaison α(1→4) du maltose. La maltase reconnaît un glucose lié en α&amp;nbsp;: elle ne coupe pas le lactose.</source>
        <translation>An enzyme is &lt;b&gt;specific&lt;/b&gt;. Lactase recognises a galactose bound in β: it does not cut the α(1→4) bond of maltose. Maltase recognises a glucose bound in α: it does not cut lactose.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, chaque réaction a son enzyme&amp;nbsp;: la spécificité est donnée d’avance, le modèle ne la simule pas. Dans la boîte du logiciel, les quatre enzymes ont le même dessin&amp;nbsp;; seule leur couleur les distingue.</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, each reaction has its enzyme: specificity is given in advance, the model does not simulate it. In the program’s box, the four enzymes have the same drawing; only their colour tells them apart.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, choisissez l’&lt;b&gt;hydrolyse du maltose&lt;/b&gt;. Le graphique suit le maltose qui reste&amp;nbsp;; chaque maltose coupé donne deux glucoses. La maltase du modèle a son optimum à &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;. Avec 20&amp;nbsp;enzymes et 100&amp;nbsp;molécules de maltose à 37&amp;nbsp;°C, temps de demi-réaction&amp;nbsp;:</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, choose &lt;b&gt;maltose hydrolysis&lt;/b&gt;. The graph follows the maltose left; each maltose cut gives two glucoses. The model’s maltase has its optimum at &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;. With 20&amp;nbsp;enzymes and 100&amp;nbsp;maltose molecules at 37&amp;nbsp;°C, half-time:</translation>
    </message>
    <message>
        <source>Ces durées sont celles du modèle, au temps très ralenti, pas celles d’un tube à essai. Pour suivre cette réaction au laboratoire, on cherche l’apparition du glucose avec une bandelette (voir le sujet «&amp;nbsp;Quel test pour quelle réaction&amp;nbsp;?&amp;nbsp;»).</source>
        <translation>These times are the model’s, with its greatly slowed time, not those of a test tube. To follow this reaction in the laboratory, look for the glucose appearing, with a test strip (see the topic “Which test for which reaction?”).</translation>
    </message>
    <message>
        <source>Le maltose est un diholoside de deux glucoses unis par une liaison α(1→4)&amp;nbsp;; il vient de la digestion de l’amidon.</source>
        <translation>Maltose is a disaccharide of two glucoses joined by an α(1→4) bond; it comes from the digestion of starch.</translation>
    </message>
    <message>
        <source>Son hydrolyse, catalysée par la &lt;b&gt;maltase&lt;/b&gt; de l’intestin grêle, donne deux glucoses, qui passent dans le sang.</source>
        <translation>Its hydrolysis, catalysed by &lt;b&gt;maltase&lt;/b&gt; in the small intestine, gives two glucoses, which pass into the blood.</translation>
    </message>
    <message>
        <source>La maltase ne coupe pas le lactose, ni la lactase le maltose&amp;nbsp;: chaque enzyme est spécifique de son substrat.</source>
        <translation>Maltase does not cut lactose, nor lactase maltose: each enzyme is specific for its substrate.</translation>
    </message>
    <message>
        <source>Pourquoi la liqueur de Fehling ne permet-elle pas de suivre l’hydrolyse du maltose&amp;nbsp;?</source>
        <translation>Why can Fehling’s solution not follow the hydrolysis of maltose?</translation>
    </message>
    <message>
        <source>Le maltose et le glucose sont tous deux réducteurs&amp;nbsp;: le test est positif avant comme après.</source>
        <translation>Maltose and glucose are both reducing: the test is positive before as after.</translation>
    </message>
    <message>
        <source>Avec la maltase du modèle, la réaction est-elle plus rapide à pH&amp;nbsp;6 ou à pH&amp;nbsp;8&amp;nbsp;?</source>
        <translation>With the model’s maltase, is the reaction faster at pH&amp;nbsp;6 or at pH&amp;nbsp;8?</translation>
    </message>
    <message>
        <source>À pH&amp;nbsp;6, son optimum&amp;nbsp;: le temps de demi-réaction y est le plus court.</source>
        <translation>At pH&amp;nbsp;6, its optimum: the half-time is shortest there.</translation>
    </message>
</context>
<context>
    <name>mecanisme</name>
    <message>
        <source>Température, %1&#xa0;°C</source>
        <translation>Temperature, %1&#xa0;°C</translation>
    </message>
    <message>
        <source>pH, %1</source>
        <translation>pH, %1</translation>
    </message>
    <message>
        <source>Le mécanisme de la catalyse enzymatique</source>
        <translation>The mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>lactose</source>
        <translation>lactose</translation>
    </message>
    <message>
        <source>Le substrat se fixe sur le site actif.</source>
        <translation>The substrate binds to the active site.</translation>
    </message>
    <message>
        <source>Le complexe enzyme-substrat&#xa0;: la réaction a lieu.</source>
        <translation>The enzyme-substrate complex: the reaction takes place.</translation>
    </message>
    <message>
        <source>Les produits sont libérés&#xa0;: glucose et galactose.</source>
        <translation>The products are released: glucose and galactose.</translation>
    </message>
    <message>
        <source>L’enzyme, inchangée, est prête pour un nouveau substrat.</source>
        <translation>The enzyme, unchanged, is ready for a new substrate.</translation>
    </message>
    <message>
        <source>L’enzyme n’est ni consommée ni modifiée&amp;nbsp;: elle recommence des milliers de fois. C’est un &lt;b&gt;catalyseur&lt;/b&gt;&amp;nbsp;; un peu d’enzyme transforme beaucoup de substrat.</source>
        <translation>The enzyme is neither used up nor changed: it does its work again thousands of times. It is a &lt;b&gt;catalyst&lt;/b&gt;; a little enzyme converts a lot of substrate.</translation>
    </message>
    <message>
        <source>molécules de lactose hydrolysées</source>
        <translation>lactose molecules hydrolysed</translation>
    </message>
    <message>
        <source>Température&#xa0;: %1&#xa0;°C</source>
        <translation>Temperature: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>tirets&#xa0;: enzymes neuves</source>
        <translation>dashed: fresh enzymes</translation>
    </message>
    <message>
        <source>Enzymes dénaturées&#xa0;: %1&#xa0;% (chauffées jusqu’à %2&#xa0;°C)</source>
        <translation>Denatured enzymes: %1&#xa0;% (heated up to %2&#xa0;°C)</translation>
    </message>
    <message>
        <source>Enzymes dénaturées&#xa0;: %1&#xa0;%</source>
        <translation>Denatured enzymes: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Enzymes neuves</source>
        <translation>Fresh enzymes</translation>
    </message>
    <message>
        <source>Le site actif porte des groupes chimiques dont la &lt;b&gt;charge électrique&lt;/b&gt; dépend du pH. Trop acide, ils gagnent des charges +&amp;nbsp;; trop basique, des charges −&amp;nbsp;: le substrat ne s’y fixe plus&amp;nbsp;; revenue au bon pH, l’enzyme fonctionne de nouveau. Très loin de l’optimum, elle est même &lt;b&gt;dénaturée&lt;/b&gt;, et c’est définitif.</source>
        <translation>The active site carries chemical groups whose &lt;b&gt;electric charge&lt;/b&gt; depends on the pH. Too acidic, and they gain + charges; too alkaline, − charges: the substrate no longer binds; back at the right pH, the enzyme works again. Very far from the optimum, it is even &lt;b&gt;denatured&lt;/b&gt;, and this is irreversible.</translation>
    </message>
    <message>
        <source>pH&#xa0;: %1</source>
        <translation>pH: %1</translation>
    </message>
    <message>
        <source>La lactase de Velmora a son optimum à pH&amp;nbsp;8. Celle de l’intestin humain travaille le mieux vers pH&amp;nbsp;6.</source>
        <translation>Velmora’s lactase has its optimum at pH&amp;nbsp;8. Human intestinal lactase works best at about pH&amp;nbsp;6.</translation>
    </message>
    <message>
        <source>Le thiolactose, qui ressemble au lactose, occupe le site actif…</source>
        <translation>Thiolactose, which looks like lactose, occupies the active site…</translation>
    </message>
    <message>
        <source>Il finit par repartir, intact&#xa0;; le site actif est libre.</source>
        <translation>In the end it leaves, intact; the active site is free.</translation>
    </message>
    <message>
        <source>Le lactose entre à son tour&#xa0;: c’est le complexe enzyme-substrat.</source>
        <translation>Now lactose enters: this is the enzyme-substrate complex.</translation>
    </message>
    <message>
        <source>Le lactose est coupé&#xa0;: glucose et galactose sont libérés.</source>
        <translation>The lactose is cut: glucose and galactose are released.</translation>
    </message>
    <message>
        <source>thiolactose</source>
        <translation>thiolactose</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>galactose</source>
        <translation>galactose</translation>
    </message>
    <message>
        <source>Une enzyme est une &lt;b&gt;protéine&lt;/b&gt;&amp;nbsp;: une longue chaîne de plusieurs centaines d’&lt;b&gt;acides aminés&lt;/b&gt;, repliée dans l’espace et tenue dans sa forme par des liaisons faibles. Ce repliement creuse une poche, le &lt;b&gt;site actif&lt;/b&gt;, où quelques acides aminés, éloignés dans la chaîne, se retrouvent côte à côte.</source>
        <translation>An enzyme is a &lt;b&gt;protein&lt;/b&gt;: a long chain of several hundred &lt;b&gt;amino acids&lt;/b&gt;, folded in space and held in shape by weak bonds. The folding hollows out a pocket, the &lt;b&gt;active site&lt;/b&gt;, where a few amino acids, far apart along the chain, come side by side.</translation>
    </message>
    <message>
        <source>Les uns &lt;b&gt;fixent&lt;/b&gt; le substrat (site de fixation)&amp;nbsp;: leur place et leurs charges répondent à celles du substrat. Les autres &lt;b&gt;catalysent&lt;/b&gt; la réaction (site catalytique)&amp;nbsp;: ils agissent sur la liaison à couper. Une protéine déformée perd son site actif.</source>
        <translation>Some &lt;b&gt;bind&lt;/b&gt; the substrate (the binding site): their places and charges match those of the substrate. Others &lt;b&gt;catalyse&lt;/b&gt; the reaction (the catalytic site): they act on the bond to be cut. A deformed protein loses its active site.</translation>
    </message>
    <message>
        <source>une chaîne d’acides aminés…</source>
        <translation>a chain of amino acids…</translation>
    </message>
    <message>
        <source>… repliée&amp;nbsp;: la lactase</source>
        <translation>… folded: lactase</translation>
    </message>
    <message>
        <source>fixent le substrat</source>
        <translation>bind the substrate</translation>
    </message>
    <message>
        <source>coupent la liaison</source>
        <translation>cut the bond</translation>
    </message>
    <message>
        <source>Le lactose arrive&amp;nbsp;: son galactose a la forme de la poche…</source>
        <translation>Lactose arrives: its galactose has the shape of the pocket…</translation>
    </message>
    <message>
        <source>… il s’y loge, et le site actif se referme sur lui.</source>
        <translation>… it settles in, and the active site closes on it.</translation>
    </message>
    <message>
        <source>Le maltose&amp;nbsp;: pas la bonne forme. Son glucose bute contre le site actif.</source>
        <translation>Maltose: not the right shape. Its glucose bumps into the active site.</translation>
    </message>
    <message>
        <source>Le site actif a une forme qui &lt;b&gt;complète&lt;/b&gt; celle de son substrat&amp;nbsp;: une poche où le substrat se loge, comme une clé dans sa serrure. En fait, la poche est souple&amp;nbsp;: elle se referme sur le substrat qu’elle fixe (&lt;b&gt;ajustement induit&lt;/b&gt;).</source>
        <translation>The active site has a shape that &lt;b&gt;complements&lt;/b&gt; that of its substrate: a pocket where the substrate settles, like a key in its lock. In fact the pocket is flexible: it closes on the substrate it binds (&lt;b&gt;induced fit&lt;/b&gt;).</translation>
    </message>
    <message>
        <source>lactase</source>
        <translation>lactase</translation>
    </message>
    <message>
        <source>&lt;b&gt;Double spécificité.&lt;/b&gt; La lactase ne fixe que le lactose (spécificité de &lt;b&gt;substrat&lt;/b&gt;) et n’y catalyse qu’une réaction, l’hydrolyse de sa liaison β(1→4) (spécificité d’&lt;b&gt;action&lt;/b&gt;).</source>
        <translation>&lt;b&gt;Double specificity.&lt;/b&gt; Lactase binds only lactose (&lt;b&gt;substrate&lt;/b&gt; specificity) and catalyses only one reaction on it, the hydrolysis of its β(1→4) bond (&lt;b&gt;reaction&lt;/b&gt; specificity).</translation>
    </message>
    <message>
        <source>Pour réagir, des molécules qui se rencontrent doivent franchir une barrière d’énergie, l’&lt;b&gt;énergie d’activation&lt;/b&gt;&amp;nbsp;: la plupart des rencontres n’aboutissent pas. Un &lt;b&gt;catalyseur&lt;/b&gt;, acide ou enzyme, ouvre un autre chemin, avec une barrière plus basse&amp;nbsp;: beaucoup plus de rencontres aboutissent.</source>
        <translation>To react, molecules that meet must get over an energy barrier, the &lt;b&gt;activation energy&lt;/b&gt;: most encounters come to nothing. A &lt;b&gt;catalyst&lt;/b&gt;, acid or enzyme, opens another path with a lower barrier: many more encounters succeed.</translation>
    </message>
    <message>
        <source>énergie</source>
        <translation>energy</translation>
    </message>
    <message>
        <source>la réaction avance&#xa0;⟶</source>
        <translation>the reaction proceeds&#xa0;⟶</translation>
    </message>
    <message>
        <source>lactose + eau</source>
        <translation>lactose + water</translation>
    </message>
    <message>
        <source>glucose + galactose</source>
        <translation>glucose + galactose</translation>
    </message>
    <message>
        <source>sans catalyseur</source>
        <translation>without catalyst</translation>
    </message>
    <message>
        <source>avec la lactase</source>
        <translation>with lactase</translation>
    </message>
    <message>
        <source>&lt;b&gt;Et la chaleur&amp;nbsp;?&lt;/b&gt; Elle agite les molécules. Les rencontres deviennent un peu plus fréquentes (de 20 à 30&amp;nbsp;°C, à peine 2&amp;nbsp;% de plus)&amp;nbsp;; surtout, une plus grande part d’entre elles a assez d’énergie pour franchir la barrière&amp;nbsp;: pour beaucoup de réactions, elle double à peu près.&lt;br&gt;&lt;br&gt;Le catalyseur ne change ni le départ ni l’arrivée&amp;nbsp;: il rend la réaction plus rapide, et il se retrouve intact à la fin.</source>
        <translation>&lt;b&gt;And warmth?&lt;/b&gt; It stirs the molecules. Encounters become a little more frequent (from 20 to 30&amp;nbsp;°C, barely 2&amp;nbsp;% more); above all, a larger share of them has enough energy to get over the barrier: for many reactions, it roughly doubles.&lt;br&gt;&lt;br&gt;The catalyst changes neither the start nor the end: it makes the reaction faster, and it is found unchanged at the end.</translation>
    </message>
    <message>
        <source>Plus il fait chaud, plus la réaction est rapide&amp;nbsp;: une plus grande part des rencontres a assez d’énergie pour aboutir. Au-delà de 40&amp;nbsp;°C environ, la chaleur déforme la protéine&amp;nbsp;: son site actif est perdu, elle est &lt;b&gt;dénaturée&lt;/b&gt;, et c’est &lt;b&gt;définitif&lt;/b&gt;. Le &lt;b&gt;froid&lt;/b&gt;, lui, ralentit la réaction sans abîmer l’enzyme&amp;nbsp;: réchauffée, elle fonctionne de nouveau.</source>
        <translation>The warmer it is, the faster the reaction: a larger share of encounters has enough energy to succeed. Above about 40&amp;nbsp;°C, heat deforms the protein: its active site is lost, it is &lt;b&gt;denatured&lt;/b&gt;, and this is &lt;b&gt;for good&lt;/b&gt;. &lt;b&gt;Cold&lt;/b&gt;, on the other hand, slows the reaction without harming the enzyme: warmed again, it works again.</translation>
    </message>
    <message>
        <source>Dans Velmora, à 0&amp;nbsp;°C et en dessous, plus rien ne bouge (en réalité, c’est très lent, mais pas nul)&amp;nbsp;; plus chaud, l’enzyme du modèle coupe aussi chaque molécule plus vite.</source>
        <translation>In Velmora, at 0&amp;nbsp;°C and below, nothing moves any more (in reality, it is very slow, but not zero); warmer, the model’s enzyme also cuts each molecule faster.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Le Q₁₀.&lt;/b&gt; Pour beaucoup d’enzymes, tant qu’elles ne sont pas dénaturées, la vitesse est multipliée par 2 environ quand la température monte de 10&amp;nbsp;°C&amp;nbsp;: c’est le &lt;b&gt;Q₁₀&lt;/b&gt; (le rapport des vitesses à T + 10&amp;nbsp;°C et à T). Dans Velmora, de 10 à 20&amp;nbsp;°C, le temps de demi-réaction passe de %1 à %2&amp;nbsp;: la réaction va environ %3&amp;nbsp;fois plus vite.</source>
        <translation>&lt;b&gt;Q₁₀.&lt;/b&gt; For many enzymes, as long as they are not denatured, the rate roughly doubles when the temperature rises by 10&amp;nbsp;°C: this is the &lt;b&gt;Q₁₀&lt;/b&gt; (the ratio of the rates at T + 10&amp;nbsp;°C and at T). In Velmora, from 10 to 20&amp;nbsp;°C, the half-time goes from %1 to %2: the reaction is about %3&amp;nbsp;times faster.</translation>
    </message>
    <message>
        <source>Enzymes de l’être humain</source>
        <translation>Human enzymes</translation>
    </message>
    <message>
        <source>vers 37&amp;nbsp;°C</source>
        <translation>around 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>dénaturées au-delà de 45 à 50&amp;nbsp;°C environ</source>
        <translation>denatured above about 45 to 50&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>Enzymes des poissons des mers froides</source>
        <translation>Enzymes of cold-sea fish</translation>
    </message>
    <message>
        <source>actives vers 0 à 10&amp;nbsp;°C</source>
        <translation>active around 0 to 10&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>vite dénaturées au-delà de 30 à 40&amp;nbsp;°C</source>
        <translation>quickly denatured above 30 to 40&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>&lt;i&gt;Taq&lt;/i&gt; polymérase</source>
        <translation>&lt;i&gt;Taq&lt;/i&gt; polymerase</translation>
    </message>
    <message>
        <source>active vers 72&amp;nbsp;°C</source>
        <translation>active around 72&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>d’une bactérie des sources chaudes&amp;nbsp;; résiste plusieurs minutes à 95&amp;nbsp;°C</source>
        <translation>from a hot-spring bacterium; withstands 95&amp;nbsp;°C for several minutes</translation>
    </message>
    <message>
        <source>&lt;b&gt;Des enzymes qui aiment le chaud.&lt;/b&gt; L’optimum dépend de l’être vivant. La &lt;i&gt;Taq&lt;/i&gt; polymérase, d’une bactérie des sources chaudes (&lt;i&gt;Thermus aquaticus&lt;/i&gt;), copie l’ADN à 72&amp;nbsp;°C et supporte les 95&amp;nbsp;°C de la PCR, la technique qui multiplie l’ADN au laboratoire. Toutes les enzymes ne sont donc pas dénaturées au-dessus de 40&amp;nbsp;°C&amp;nbsp;; celles de Velmora le sont, comme la plupart des nôtres.</source>
        <translation>&lt;b&gt;Enzymes that like heat.&lt;/b&gt; The optimum depends on the organism. &lt;i&gt;Taq&lt;/i&gt; polymerase, from a hot-spring bacterium (&lt;i&gt;Thermus aquaticus&lt;/i&gt;), copies DNA at 72&amp;nbsp;°C and withstands the 95&amp;nbsp;°C of PCR, the technique that multiplies DNA in the laboratory. So not every enzyme is denatured above 40&amp;nbsp;°C; Velmora’s are, like most of ours.</translation>
    </message>
    <message>
        <source>pH optimal&#xa0;: le site actif est libre</source>
        <translation>optimum pH: the active site is free</translation>
    </message>
    <message>
        <source>trop acide&#xa0;: %1&#xa0;% des enzymes portent des charges +</source>
        <translation>too acid: %1&#xa0;% of the enzymes carry + charges</translation>
    </message>
    <message>
        <source>trop basique&#xa0;: %1&#xa0;% des enzymes portent des charges −</source>
        <translation>too basic: %1&#xa0;% of the enzymes carry − charges</translation>
    </message>
    <message>
        <source>… mais l’enzyme ne peut (presque) pas le couper&#xa0;: elle est bloquée.</source>
        <translation>… but the enzyme can (almost) not cut it: it is blocked.</translation>
    </message>
    <message>
        <source>Un &lt;b&gt;inhibiteur compétitif&lt;/b&gt; a une forme proche de celle du substrat&amp;nbsp;: le thiolactose est un lactose dont l’oxygène du pont est remplacé par un atome de &lt;b&gt;soufre&lt;/b&gt; (S). Il entre dans le site actif et l’occupe sans être transformé. Substrat et inhibiteur sont en &lt;b&gt;compétition&lt;/b&gt;&amp;nbsp;: plus il y a de substrat, moins l’inhibiteur gêne.</source>
        <translation>A &lt;b&gt;competitive inhibitor&lt;/b&gt; has a shape close to that of the substrate: thiolactose is a lactose whose bridging oxygen is replaced by a &lt;b&gt;sulphur&lt;/b&gt; atom (S). It enters the active site and occupies it without being transformed. Substrate and inhibitor &lt;b&gt;compete&lt;/b&gt;: the more substrate there is, the less the inhibitor hinders.</translation>
    </message>
    <message>
        <source>Les chiffres du modèle et la compétition mesurée&amp;nbsp;: voir le sujet «&amp;nbsp;Un inhibiteur&amp;nbsp;: le thiolactose&amp;nbsp;».</source>
        <translation>The model’s figures and the measured competition: see the topic “An inhibitor: thiolactose”.</translation>
    </message>
    <message>
        <source>Une enzyme est une protéine repliée&amp;nbsp;; son &lt;b&gt;site actif&lt;/b&gt;, une poche bordée de quelques acides aminés, fixe le substrat et catalyse sa transformation.</source>
        <translation>An enzyme is a folded protein; its &lt;b&gt;active site&lt;/b&gt;, a pocket lined with a few amino acids, binds the substrate and catalyses its transformation.</translation>
    </message>
    <message>
        <source>Le site actif a une forme complémentaire de celle du substrat, et se referme sur lui&amp;nbsp;: l’enzyme est &lt;b&gt;spécifique&lt;/b&gt; de son substrat et de sa réaction.</source>
        <translation>The active site has a shape complementary to that of the substrate, and closes on it: the enzyme is &lt;b&gt;specific&lt;/b&gt; for its substrate and its reaction.</translation>
    </message>
    <message>
        <source>Un catalyseur abaisse l’&lt;b&gt;énergie d’activation&lt;/b&gt;&amp;nbsp;: plus de rencontres aboutissent. Il sort intact de la réaction.</source>
        <translation>A catalyst lowers the &lt;b&gt;activation energy&lt;/b&gt;: more encounters succeed. It comes out of the reaction unchanged.</translation>
    </message>
    <message>
        <source>La chaleur accélère la réaction jusqu’à &lt;b&gt;dénaturer&lt;/b&gt; l’enzyme (définitif)&amp;nbsp;; le froid la ralentit (réversible)&amp;nbsp;; loin de son pH optimal, l’enzyme ne fixe plus son substrat.</source>
        <translation>Warmth speeds up the reaction until it &lt;b&gt;denatures&lt;/b&gt; the enzyme (for good); cold slows it (reversibly); far from its optimum pH, the enzyme no longer binds its substrate.</translation>
    </message>
    <message>
        <source>Pourquoi la lactase ne coupe-t-elle pas le maltose&amp;nbsp;?</source>
        <translation>Why does lactase not cut maltose?</translation>
    </message>
    <message>
        <source>Le maltose n’a pas la forme de son site actif&amp;nbsp;: il ne s’y fixe pas. C’est la spécificité de substrat.</source>
        <translation>Maltose does not have the shape of its active site: it does not bind there. This is substrate specificity.</translation>
    </message>
    <message>
        <source>Une enzyme chauffée à 70&amp;nbsp;°C puis refroidie à 37&amp;nbsp;°C retrouve-t-elle son activité&amp;nbsp;?</source>
        <translation>Does an enzyme heated to 70&amp;nbsp;°C then cooled to 37&amp;nbsp;°C get its activity back?</translation>
    </message>
    <message>
        <source>Non&amp;nbsp;: la chaleur l’a dénaturée, son site actif est perdu pour de bon. Refroidie après un séjour au froid, elle l’aurait retrouvée.</source>
        <translation>No: heat has denatured it, its active site is lost for good. Cooled after a stay in the cold, it would have got it back.</translation>
    </message>
    <message>
        <source>Pourquoi ajouter du lactose atténue-t-il l’effet du thiolactose&amp;nbsp;?</source>
        <translation>Why does adding lactose weaken the effect of thiolactose?</translation>
    </message>
    <message>
        <source>Les deux se disputent les mêmes sites actifs&amp;nbsp;: plus il y a de lactose, plus une enzyme libre a de chances de fixer un lactose plutôt qu’un thiolactose.</source>
        <translation>Both compete for the same active sites: the more lactose there is, the more likely a free enzyme is to bind a lactose rather than a thiolactose.</translation>
    </message>
</context>
<context>
    <name>panelbut</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Modèle moléculaire en 3D, dans la version complète</source>
        <translation>3D molecular model, in the full version</translation>
    </message>
    <message>
        <source>Réaction précédente</source>
        <translation>Previous reaction</translation>
    </message>
    <message>
        <source>Réaction suivante</source>
        <translation>Next reaction</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Enzyme</source>
        <translation>Enzyme</translation>
    </message>
    <message>
        <source>&#xa0;molécules</source>
        <translation>&#xa0;molecules</translation>
    </message>
    <message>
        <source>Substrat</source>
        <translation>Substrate</translation>
    </message>
    <message>
        <source>Thiolactose</source>
        <translation>Thiolactose</translation>
    </message>
    <message>
        <source>Démarrer / recommencer l&apos;expérience</source>
        <translation>Start / restart the experiment</translation>
    </message>
    <message>
        <source>Pause / reprise</source>
        <translation>Pause / resume</translation>
    </message>
    <message>
        <source>En savoir plus</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Modèles moléculaires en 3D (version complète)</source>
        <translation>3D molecular models (full version)</translation>
    </message>
</context>
<context>
    <name>panellegende</name>
    <message>
        <source>en usage</source>
        <translation>in use</translation>
    </message>
    <message>
        <source>Petits symboles</source>
        <translation>Small symbols</translation>
    </message>
    <message>
        <source>Grands symboles</source>
        <translation>Large symbols</translation>
    </message>
    <message>
        <source>Lactase</source>
        <translation>Lactase</translation>
    </message>
    <message>
        <source>Lactose</source>
        <translation>Lactose</translation>
    </message>
    <message>
        <source>le substrat</source>
        <translation>the substrate</translation>
    </message>
    <message>
        <source>Glucose</source>
        <translation>Glucose</translation>
    </message>
    <message>
        <source>un produit</source>
        <translation>a product</translation>
    </message>
    <message>
        <source>Galactose</source>
        <translation>Galactose</translation>
    </message>
    <message>
        <source>Complexe enzyme-substrat</source>
        <translation>Enzyme-substrate complex</translation>
    </message>
    <message>
        <source>Thiolactose</source>
        <translation>Thiolactose</translation>
    </message>
    <message>
        <source>Lactose synthase</source>
        <translation>Lactose synthase</translation>
    </message>
    <message>
        <source>un substrat</source>
        <translation>a substrate</translation>
    </message>
    <message>
        <source>UDP-galactose</source>
        <translation>UDP-galactose</translation>
    </message>
    <message>
        <source>le produit</source>
        <translation>the product</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>Maltase</source>
        <translation>Maltase</translation>
    </message>
    <message>
        <source>Maltose</source>
        <translation>Maltose</translation>
    </message>
    <message>
        <source>le produit (deux par maltose)</source>
        <translation>the product (two per maltose)</translation>
    </message>
    <message>
        <source>Amylase</source>
        <translation>Amylase</translation>
    </message>
    <message>
        <source>Amylose</source>
        <translation>Amylose</translation>
    </message>
    <message>
        <source>Légende</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Enzyme dénaturée</source>
        <translation>Denatured enzyme</translation>
    </message>
    <message>
        <source>Enzyme chargée</source>
        <translation>Charged enzyme</translation>
    </message>
    <message>
        <source>Petits</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Grands</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>l’enzyme (β-galactosidase)</source>
        <translation>the enzyme (β-galactosidase)</translation>
    </message>
    <message>
        <source>l’autre produit</source>
        <translation>the other product</translation>
    </message>
    <message>
        <source>inhibiteur&#xa0;: occupe le site actif</source>
        <translation>inhibitor: occupies the active site</translation>
    </message>
    <message>
        <source>l’enzyme</source>
        <translation>the enzyme</translation>
    </message>
    <message>
        <source>l’autre substrat</source>
        <translation>the other substrate</translation>
    </message>
    <message>
        <source>ce qui reste de l’UDP-galactose</source>
        <translation>what is left of UDP-galactose</translation>
    </message>
    <message>
        <source>chaînes d’unités, coupées par le bas</source>
        <translation>chains of units, cut from the bottom</translation>
    </message>
    <message>
        <source>chaleur ou pH extrême&#xa0;: elle ne fonctionne plus</source>
        <translation>heat or extreme pH: it no longer works</translation>
    </message>
    <message>
        <source>+ en milieu trop acide, − trop basique&#xa0;: elle ne fixe rien</source>
        <translation>+ in too acidic a medium, − too basic: it binds nothing</translation>
    </message>
    <message>
        <source>Symboles&#xa0;:</source>
        <translation>Symbols:</translation>
    </message>
</context>
<context>
    <name>saccharose</name>
    <message>
        <source>Le saccharose et l’invertase</source>
        <translation>Sucrose and invertase</translation>
    </message>
    <message>
        <source>Le &lt;b&gt;saccharose&lt;/b&gt;, le sucre de table, est extrait de la canne à sucre et de la betterave. C’est un diholoside&amp;nbsp;: un &lt;b&gt;glucose&lt;/b&gt; et un &lt;b&gt;fructose&lt;/b&gt;, un ose à cycle de cinq atomes, unis par leurs carbones anomères (le carbone 1 du glucose et le carbone 2 du fructose). Son hydrolyse est catalysée par l’&lt;b&gt;invertase&lt;/b&gt;, ou saccharase.</source>
        <translation>&lt;b&gt;Sucrose&lt;/b&gt;, table sugar, is extracted from sugar cane and sugar beet. It is a disaccharide: a &lt;b&gt;glucose&lt;/b&gt; and a &lt;b&gt;fructose&lt;/b&gt;, a sugar with a five-membered ring, joined by their anomeric carbons (carbon 1 of the glucose and carbon 2 of the fructose). Its hydrolysis is catalysed by &lt;b&gt;invertase&lt;/b&gt;, or sucrase.</translation>
    </message>
    <message>
        <source>saccharose</source>
        <translation>sucrose</translation>
    </message>
    <message>
        <source>eau</source>
        <translation>water</translation>
    </message>
    <message>
        <source>invertase</source>
        <translation>invertase</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>fructose</source>
        <translation>fructose</translation>
    </message>
    <message>
        <source>C₁₂H₂₂O₁₁ + H₂O ⟶ C₆H₁₂O₆ + C₆H₁₂O₆&lt;br&gt;&lt;br&gt;&lt;b&gt;Dans l’organisme&lt;/b&gt;, une enzyme de la membrane des cellules de l’intestin grêle, la saccharase-isomaltase, l’hydrolyse&amp;nbsp;; le glucose et le fructose passent dans le sang. La &lt;b&gt;levure&lt;/b&gt; en produit aussi, l’invertase, et l’abeille en met dans le miel.</source>
        <translation>C₁₂H₂₂O₁₁ + H₂O ⟶ C₆H₁₂O₆ + C₆H₁₂O₆&lt;br&gt;&lt;br&gt;&lt;b&gt;In the body&lt;/b&gt;, an enzyme of the membrane of the small intestine’s cells, sucrase-isomaltase, hydrolyses it; the glucose and fructose pass into the blood. &lt;b&gt;Yeast&lt;/b&gt; makes one too, invertase, and bees put some into honey.</translation>
    </message>
    <message>
        <source>Le mélange de glucose et de fructose obtenu s’appelle le &lt;b&gt;sucre inverti&lt;/b&gt;&amp;nbsp;: il dévie la lumière polarisée dans l’autre sens que le saccharose, d’où son nom et celui de l’invertase. Il est plus sucré que le saccharose (le fructose est le plus sucré des oses) et cristallise moins&amp;nbsp;: les confiseurs s’en servent pour les bonbons et les chocolats à cœur coulant.</source>
        <translation>The mixture of glucose and fructose obtained is called &lt;b&gt;invert sugar&lt;/b&gt;: it turns polarised light the other way from sucrose, hence its name and that of invertase. It is sweeter than sucrose (fructose is the sweetest sugar) and crystallises less: confectioners use it for sweets and soft-centred chocolates.</translation>
    </message>
    <message>
        <source>sucre inverti&amp;nbsp;: glucose + fructose</source>
        <translation>invert sugar: glucose + fructose</translation>
    </message>
    <message>
        <source>Comme la lactase et la maltase, l’invertase est spécifique&amp;nbsp;: elle reconnaît le fructose lié en β et ne coupe ni le lactose ni le maltose.</source>
        <translation>Like lactase and maltase, invertase is specific: it recognises fructose bound in β and cuts neither lactose nor maltose.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Au laboratoire.&lt;/b&gt; Le saccharose n’est &lt;b&gt;pas réducteur&lt;/b&gt;&amp;nbsp;: ses deux carbones anomères sont pris dans la liaison. Le glucose et le fructose, eux, le sont. Ici, la liqueur de Fehling suit la réaction&amp;nbsp;: bleue avant, rouge brique après.</source>
        <translation>&lt;b&gt;In the laboratory.&lt;/b&gt; Sucrose is &lt;b&gt;not reducing&lt;/b&gt;: both its anomeric carbons are taken up in the bond. Glucose and fructose are. Here Fehling’s solution follows the reaction: blue before, brick red after.</translation>
    </message>
    <message>
        <source>saccharose + eau, 10&amp;nbsp;min à 37&amp;nbsp;°C</source>
        <translation>sucrose + water, 10&amp;nbsp;min at 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>saccharose + invertase, 10&amp;nbsp;min à 37&amp;nbsp;°C</source>
        <translation>sucrose + invertase, 10&amp;nbsp;min at 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>saccharose + invertase bouillie, 10&amp;nbsp;min à 37&amp;nbsp;°C</source>
        <translation>sucrose + boiled invertase, 10&amp;nbsp;min at 37&amp;nbsp;°C</translation>
    </message>
    <message>
        <source>Puis liqueur de Fehling et bain-marie bouillant dans chaque tube. Les deux témoins restent bleus&amp;nbsp;: c’est l’invertase, intacte, qui a libéré des sucres réducteurs. Velmora ne simule pas cette réaction&amp;nbsp;; la plus proche est l’hydrolyse du maltose.</source>
        <translation>Then Fehling’s solution and a boiling water bath in each tube. Both controls stay blue: it is the invertase, intact, that released reducing sugars. Velmora does not simulate this reaction; the closest is maltose hydrolysis.</translation>
    </message>
    <message>
        <source>Le saccharose, sucre de table, est fait d’un glucose et d’un fructose unis par leurs carbones anomères&amp;nbsp;: il n’est pas réducteur.</source>
        <translation>Sucrose, table sugar, is made of a glucose and a fructose joined by their anomeric carbons: it is not reducing.</translation>
    </message>
    <message>
        <source>L’&lt;b&gt;invertase&lt;/b&gt; (saccharase) l’hydrolyse en glucose et fructose&amp;nbsp;: le sucre inverti, plus sucré.</source>
        <translation>&lt;b&gt;Invertase&lt;/b&gt; (sucrase) hydrolyses it into glucose and fructose: invert sugar, sweeter.</translation>
    </message>
    <message>
        <source>La liqueur de Fehling suit cette réaction&amp;nbsp;: négative avec le saccharose, positive après hydrolyse.</source>
        <translation>Fehling’s solution follows this reaction: negative with sucrose, positive after hydrolysis.</translation>
    </message>
    <message>
        <source>Pourquoi la liqueur de Fehling convient-elle ici, et pas pour l’hydrolyse du lactose&amp;nbsp;?</source>
        <translation>Why does Fehling’s solution suit this reaction, and not the hydrolysis of lactose?</translation>
    </message>
    <message>
        <source>Le saccharose n’est pas réducteur, ses produits le sont&amp;nbsp;: le test change. Le lactose, lui, est déjà réducteur.</source>
        <translation>Sucrose is not reducing, its products are: the test changes. Lactose, on the other hand, is already reducing.</translation>
    </message>
    <message>
        <source>Quel témoin montre que c’est bien l’enzyme qui agit&amp;nbsp;?</source>
        <translation>Which control shows that it really is the enzyme that acts?</translation>
    </message>
    <message>
        <source>Le tube d’invertase bouillie&amp;nbsp;: dénaturée, elle ne libère rien, et le test reste bleu.</source>
        <translation>The tube of boiled invertase: denatured, it releases nothing, and the test stays blue.</translation>
    </message>
</context>
<context>
    <name>synthese</name>
    <message>
        <source>La synthèse du lactose</source>
        <translation>The synthesis of lactose</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>lactose synthase</source>
        <translation>lactose synthase</translation>
    </message>
    <message>
        <source>lactose</source>
        <translation>lactose</translation>
    </message>
    <message>
        <source>Le galactose arrive &lt;b&gt;lié à l’UDP&lt;/b&gt; (uridine diphosphate). La lactose synthase unit le carbone 1 de ce galactose au carbone 4 du glucose par une liaison &lt;b&gt;β(1→4)&lt;/b&gt; et libère l’UDP.</source>
        <translation>The galactose arrives &lt;b&gt;bound to UDP&lt;/b&gt; (uridine diphosphate). Lactose synthase joins carbon&amp;nbsp;1 of this galactose to carbon&amp;nbsp;4 of the glucose by a &lt;b&gt;β(1→4)&lt;/b&gt; bond and releases the UDP.</translation>
    </message>
    <message>
        <source>La lactose synthase est faite de deux protéines&amp;nbsp;: une galactosyltransférase, présente dans beaucoup de cellules, et l’α-lactalbumine, une protéine du lait fabriquée seulement pendant l’allaitement.</source>
        <translation>Lactose synthase is made of two proteins: a galactosyltransferase, present in many cells, and α-lactalbumin, a milk protein made only during lactation.</translation>
    </message>
    <message>
        <source>Unir deux oses demande de l’&lt;b&gt;énergie&lt;/b&gt;&amp;nbsp;: dans l’eau, le glucose et le galactose ne s’unissent pas d’eux-mêmes. La cellule se sert d’un galactose «&amp;nbsp;activé&amp;nbsp;», lié à l’UDP&amp;nbsp;; en se détachant, l’UDP apporte l’énergie de la nouvelle liaison. Ce n’est donc pas l’hydrolyse à l’envers.</source>
        <translation>Joining two monosaccharides needs &lt;b&gt;energy&lt;/b&gt;: in water, glucose and galactose do not join by themselves. The cell uses an “activated” galactose, bound to UDP; as it comes off, the UDP provides the energy for the new bond. So this is not hydrolysis in reverse.</translation>
    </message>
    <message>
        <source>Hydrolyse du lactose</source>
        <translation>Lactose hydrolysis</translation>
    </message>
    <message>
        <source>Synthèse du lactose</source>
        <translation>Lactose synthesis</translation>
    </message>
    <message>
        <source>Enzyme</source>
        <translation>Enzyme</translation>
    </message>
    <message>
        <source>lactase</source>
        <translation>lactase</translation>
    </message>
    <message>
        <source>Où&amp;nbsp;?</source>
        <translation>Where?</translation>
    </message>
    <message>
        <source>intestin grêle</source>
        <translation>small intestine</translation>
    </message>
    <message>
        <source>glande mammaire</source>
        <translation>mammary gland</translation>
    </message>
    <message>
        <source>Réactifs</source>
        <translation>Reactants</translation>
    </message>
    <message>
        <source>lactose + eau</source>
        <translation>lactose + water</translation>
    </message>
    <message>
        <source>Produits</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>glucose + galactose</source>
        <translation>glucose + galactose</translation>
    </message>
    <message>
        <source>lactose + UDP</source>
        <translation>lactose + UDP</translation>
    </message>
    <message>
        <source>L’eau</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>consommée</source>
        <translation>used up</translation>
    </message>
    <message>
        <source>ni consommée ni libérée</source>
        <translation>neither used up nor released</translation>
    </message>
    <message>
        <source>3. La liaison β(1→4) se forme&amp;nbsp;; l’UDP se détache du galactose.</source>
        <translation>3. The β(1→4) bond forms; the UDP comes off the galactose.</translation>
    </message>
    <message>
        <source>4. Le lactose et l’UDP sont libérés. L’enzyme, intacte, peut recommencer.</source>
        <translation>4. The lactose and the UDP are released. The enzyme, unchanged, can start again.</translation>
    </message>
    <message>
        <source>À 37&amp;nbsp;°C et à pH&amp;nbsp;8, avec 20&amp;nbsp;enzymes et 100&amp;nbsp;glucoses, la moitié du glucose est utilisée en %1. Mais après deux minutes, il en reste encore %2&amp;nbsp;: la courbe ne descend pas jusqu’à zéro.</source>
        <translation>At 37&amp;nbsp;°C and pH&amp;nbsp;8, with 20&amp;nbsp;enzymes and 100&amp;nbsp;glucose molecules, half of the glucose is used up in %1. But after two minutes, %2 of it is still left: the curve does not go down to zero.</translation>
    </message>
    <message>
        <source>On ne trouve guère de lactose que dans le &lt;b&gt;lait&lt;/b&gt;. Il est fabriqué par les cellules de la &lt;b&gt;glande mammaire&lt;/b&gt; pendant l’allaitement, à partir du glucose apporté par le sang. L’enzyme est la &lt;b&gt;lactose synthase&lt;/b&gt;.</source>
        <translation>Lactose is hardly found anywhere but in &lt;b&gt;milk&lt;/b&gt;. It is made by the cells of the &lt;b&gt;mammary gland&lt;/b&gt; during lactation, from the glucose brought by the blood. The enzyme is &lt;b&gt;lactose synthase&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>UDP‑galactose</source>
        <translation>UDP‑galactose</translation>
    </message>
    <message>
        <source>glucose + UDP‑galactose</source>
        <translation>glucose + UDP‑galactose</translation>
    </message>
    <message>
        <source>L’UDP‑galactose est lui-même fabriqué dans la cellule à partir du glucose.</source>
        <translation>UDP‑galactose is itself made in the cell from glucose.</translation>
    </message>
    <message>
        <source>1. Un UDP‑galactose et un glucose rencontrent la lactose synthase.</source>
        <translation>1. A UDP‑galactose and a glucose meet the lactose synthase.</translation>
    </message>
    <message>
        <source>2. Le galactose de l’UDP‑galactose se loge dans le site actif&amp;nbsp;; le glucose vient contre lui.</source>
        <translation>2. The galactose of the UDP‑galactose settles in the active site; the glucose comes against it.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, choisissez la &lt;b&gt;synthèse du lactose&lt;/b&gt;. La quantité de substrat règle à la fois le glucose et l’UDP‑galactose, en nombres égaux&amp;nbsp;; le graphique suit le &lt;b&gt;glucose&lt;/b&gt; qui reste. L’enzyme du modèle a son optimum à &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;.</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, choose &lt;b&gt;lactose synthesis&lt;/b&gt;. The substrate amount sets both the glucose and the UDP‑galactose, in equal numbers; the graph follows the &lt;b&gt;glucose&lt;/b&gt; left. The model’s enzyme has its optimum at &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pourquoi&amp;nbsp;?&lt;/b&gt; Dans le modèle, une enzyme peut fixer un glucose et attendre un UDP‑galactose, ou l’inverse. À la fin, quelques enzymes tiennent chacune un glucose, d’autres chacune un UDP‑galactose&amp;nbsp;: plus aucune ne réunit les deux, et la réaction s’arrête. C’est une simplification du modèle.</source>
        <translation>&lt;b&gt;Why?&lt;/b&gt; In the model, an enzyme can bind a glucose and wait for a UDP‑galactose, or the reverse. At the end, a few enzymes each hold a glucose, others each a UDP‑galactose: none can bring the two together any more, and the reaction stops. This is a simplification of the model.</translation>
    </message>
    <message>
        <source>Dans la cellule, l’enzyme travaille dans l’appareil de Golgi. Dans Velmora, le lactose formé n’est pas hydrolysé&amp;nbsp;: il n’y a pas de lactase dans cette expérience.</source>
        <translation>In the cell, the enzyme works in the Golgi apparatus. In Velmora, the lactose formed is not hydrolysed: there is no lactase in this experiment.</translation>
    </message>
    <message>
        <source>À la fin, dans le modèle&amp;nbsp;:</source>
        <translation>At the end, in the model:</translation>
    </message>
    <message>
        <source>tient un UDP‑galactose, attend un glucose</source>
        <translation>holds a UDP‑galactose, waits for a glucose</translation>
    </message>
    <message>
        <source>tient un glucose, attend un UDP‑galactose</source>
        <translation>holds a glucose, waits for a UDP‑galactose</translation>
    </message>
    <message>
        <source>Le lactose est fabriqué dans la &lt;b&gt;glande mammaire&lt;/b&gt;, par la lactose synthase, à partir de glucose et d’UDP‑galactose.</source>
        <translation>Lactose is made in the &lt;b&gt;mammary gland&lt;/b&gt;, by lactose synthase, from glucose and UDP‑galactose.</translation>
    </message>
    <message>
        <source>Unir deux oses demande de l’énergie&amp;nbsp;: elle vient du galactose «&amp;nbsp;activé&amp;nbsp;», lié à l’UDP, qui est libéré.</source>
        <translation>Joining two sugars takes energy: it comes from the “activated” galactose, bound to UDP, which is released.</translation>
    </message>
    <message>
        <source>La synthèse n’est donc pas l’hydrolyse à l’envers&amp;nbsp;: autre enzyme, autre lieu, autres réactifs et produits.</source>
        <translation>So synthesis is not hydrolysis backwards: another enzyme, another place, other reactants and products.</translation>
    </message>
    <message>
        <source>Quels sont les produits de la synthèse du lactose&amp;nbsp;?</source>
        <translation>What are the products of lactose synthesis?</translation>
    </message>
    <message>
        <source>Le lactose et l’UDP (pas d’eau).</source>
        <translation>Lactose and UDP (no water).</translation>
    </message>
    <message>
        <source>Pourquoi, dans Velmora, reste-t-il du glucose à la fin&amp;nbsp;?</source>
        <translation>Why, in Velmora, is there glucose left at the end?</translation>
    </message>
    <message>
        <source>Des enzymes tiennent chacune un seul des deux réactifs et attendent l’autre&amp;nbsp;: aucune ne peut plus réunir un glucose et un UDP‑galactose. C’est une simplification du modèle.</source>
        <translation>Enzymes each hold only one of the two reactants and wait for the other: none can bring a glucose and a UDP‑galactose together any more. This is a simplification of the model.</translation>
    </message>
</context>
<context>
    <name>testsreactions</name>
    <message>
        <source>Quel test pour quelle réaction&#xa0;?</source>
        <translation>Which test for which reaction?</translation>
    </message>
    <message>
        <source>Pour suivre une réaction dans un tube, on cherche un test qui &lt;b&gt;change&lt;/b&gt; entre le début et la fin&amp;nbsp;: un test qui montre que le substrat disparaît, ou que le produit apparaît.</source>
        <translation>To follow a reaction in a tube, you need a test that &lt;b&gt;changes&lt;/b&gt; between the start and the end: a test that shows the substrate disappearing, or the product appearing.</translation>
    </message>
    <message>
        <source>L’eau iodée (lugol)</source>
        <translation>Iodine solution (Lugol’s)</translation>
    </message>
    <message>
        <source>Orangée&amp;nbsp;; &lt;b&gt;bleu-noir avec l’amidon&lt;/b&gt;. Elle montre l’amidon, et lui seul.</source>
        <translation>Orange; &lt;b&gt;blue-black with starch&lt;/b&gt;. It shows starch, and starch only.</translation>
    </message>
    <message>
        <source>La liqueur de Fehling</source>
        <translation>Fehling’s solution</translation>
    </message>
    <message>
        <source>Bleue&amp;nbsp;; à chaud, &lt;b&gt;précipité rouge brique&lt;/b&gt; avec un sucre réducteur&amp;nbsp;: glucose, galactose, maltose, lactose. Pas avec l’amidon (presque rien), ni avec le saccharose.</source>
        <translation>Blue; when heated, a &lt;b&gt;brick-red precipitate&lt;/b&gt; with a reducing sugar: glucose, galactose, maltose, lactose. Not with starch (or hardly at all), nor with sucrose.</translation>
    </message>
    <message>
        <source>La bandelette à glucose</source>
        <translation>The glucose test strip</translation>
    </message>
    <message>
        <source>Sa couleur change avec le &lt;b&gt;glucose&lt;/b&gt;, et lui seul (l’enzyme qu’elle porte, la glucose oxydase, est spécifique)&amp;nbsp;: ni le maltose, ni le lactose, ni le galactose.</source>
        <translation>Its colour changes with &lt;b&gt;glucose&lt;/b&gt;, and glucose only (the enzyme it carries, glucose oxidase, is specific): not with maltose, lactose or galactose.</translation>
    </message>
    <message>
        <source>Réaction</source>
        <translation>Reaction</translation>
    </message>
    <message>
        <source>Eau iodée</source>
        <translation>Iodine solution</translation>
    </message>
    <message>
        <source>Liqueur de Fehling</source>
        <translation>Fehling’s solution</translation>
    </message>
    <message>
        <source>Bandelette à glucose</source>
        <translation>Glucose test strip</translation>
    </message>
    <message>
        <source>Hydrolyse du lactose</source>
        <translation>Lactose hydrolysis</translation>
    </message>
    <message>
        <source>inutile&amp;nbsp;: pas d’amidon</source>
        <translation>not useful: no starch</translation>
    </message>
    <message>
        <source>rouge brique avant et après&amp;nbsp;: inutile, le lactose est déjà réducteur</source>
        <translation>brick-red before and after: not useful, lactose is already reducing</translation>
    </message>
    <message>
        <source>négative, puis positive&amp;nbsp;: le glucose apparaît</source>
        <translation>negative, then positive: glucose appears</translation>
    </message>
    <message>
        <source>Synthèse du lactose</source>
        <translation>Lactose synthesis</translation>
    </message>
    <message>
        <source>rouge brique avant et après&amp;nbsp;: inutile, glucose et lactose sont réducteurs</source>
        <translation>brick-red before and after: not useful, glucose and lactose are both reducing</translation>
    </message>
    <message>
        <source>positive, puis de plus en plus pâle&amp;nbsp;: le glucose disparaît</source>
        <translation>positive, then paler and paler: glucose disappears</translation>
    </message>
    <message>
        <source>Hydrolyse du maltose</source>
        <translation>Maltose hydrolysis</translation>
    </message>
    <message>
        <source>rouge brique avant et après&amp;nbsp;: inutile, maltose et glucose sont réducteurs</source>
        <translation>brick-red before and after: not useful, maltose and glucose are both reducing</translation>
    </message>
    <message>
        <source>Hydrolyse de l’amidon (amylose)</source>
        <translation>Starch (amylose) hydrolysis</translation>
    </message>
    <message>
        <source>bleu-noir, puis orangée&amp;nbsp;: l’amidon disparaît</source>
        <translation>blue-black, then orange: the starch disappears</translation>
    </message>
    <message>
        <source>bleue, puis rouge brique&amp;nbsp;: le maltose apparaît</source>
        <translation>blue, then brick-red: maltose appears</translation>
    </message>
    <message>
        <source>négative ou presque&amp;nbsp;: l’amylase donne du maltose, pas du glucose</source>
        <translation>negative or nearly so: amylase gives maltose, not glucose</translation>
    </message>
    <message>
        <source>Encadré en vert&amp;nbsp;: le test qui suit la réaction. La liqueur de Fehling ne sert que pour l’amidon&amp;nbsp;; pour le lactose et le maltose, c’est l’apparition du glucose qu’il faut chercher.</source>
        <translation>Framed in green: the test that follows the reaction. Fehling’s solution is only useful for starch; for lactose and maltose, look for glucose appearing.</translation>
    </message>
    <message>
        <source>Un test ne suit une réaction que s’il change&amp;nbsp;: il montre le substrat qui disparaît ou le produit qui apparaît.</source>
        <translation>A test follows a reaction only if it changes: it shows the substrate disappearing or the product appearing.</translation>
    </message>
    <message>
        <source>L’eau iodée montre l’amidon&amp;nbsp;; la liqueur de Fehling, les sucres réducteurs&amp;nbsp;; la bandelette, le glucose seul.</source>
        <translation>Iodine water shows starch; Fehling’s solution, reducing sugars; the strip, glucose only.</translation>
    </message>
    <message>
        <source>L’hydrolyse du lactose ou du maltose se suit à la bandelette&amp;nbsp;; celle de l’amidon, à l’eau iodée et à la liqueur de Fehling.</source>
        <translation>The hydrolysis of lactose or maltose is followed with the strip; that of starch, with iodine water and Fehling’s solution.</translation>
    </message>
    <message>
        <source>Quel test montre que la lactase a hydrolysé du lactose&amp;nbsp;?</source>
        <translation>Which test shows that lactase has hydrolysed lactose?</translation>
    </message>
    <message>
        <source>La bandelette à glucose&amp;nbsp;: négative avec le lactose seul, positive quand du glucose est apparu.</source>
        <translation>The glucose strip: negative with lactose alone, positive once glucose has appeared.</translation>
    </message>
    <message>
        <source>Pourquoi la bandelette reste-t-elle presque négative pendant l’hydrolyse de l’amidon par l’amylase&amp;nbsp;?</source>
        <translation>Why does the strip stay almost negative while amylase hydrolyses starch?</translation>
    </message>
    <message>
        <source>L’amylase donne surtout du maltose, pas du glucose&amp;nbsp;; la bandelette ne réagit qu’au glucose.</source>
        <translation>Amylase gives mostly maltose, not glucose; the strip reacts only to glucose.</translation>
    </message>
</context>
<context>
    <name>thiolactose</name>
    <message>
        <source>Un inhibiteur&#xa0;: le thiolactose</source>
        <translation>An inhibitor: thiolactose</translation>
    </message>
    <message>
        <source>Le &lt;b&gt;thiolactose&lt;/b&gt; ressemble au lactose à un détail près&amp;nbsp;: un atome de &lt;b&gt;soufre&lt;/b&gt; (S) remplace l’atome d’oxygène qui relie le galactose au glucose. Sa forme est presque la même&amp;nbsp;: il entre dans le site actif de la lactase.</source>
        <translation>&lt;b&gt;Thiolactose&lt;/b&gt; is like lactose except for one detail: a &lt;b&gt;sulfur&lt;/b&gt; atom (S) replaces the oxygen atom that links the galactose to the glucose. Its shape is almost the same: it enters the active site of lactase.</translation>
    </message>
    <message>
        <source>galactose</source>
        <translation>galactose</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>1. Le thiolactose entre dans le site actif&amp;nbsp;: sa forme convient.</source>
        <translation>1. Thiolactose enters the active site: its shape fits.</translation>
    </message>
    <message>
        <source>3. Elle finit par le relâcher, intact. Pendant tout ce temps, elle n’a coupé aucun lactose.</source>
        <translation>3. In the end it lets it go, unchanged. All this time, it has cut no lactose.</translation>
    </message>
    <message>
        <source>temps de blocage de la lactase</source>
        <translation>time the lactase is blocked</translation>
    </message>
    <message>
        <source>Dans Velmora, la lactase garde le thiolactose aussi longtemps qu’il lui faut pour couper un lactose, puis se repose un court instant.</source>
        <translation>In Velmora, lactase holds thiolactose for as long as it takes to cut a lactose molecule, then rests for a short moment.</translation>
    </message>
    <message>
        <source>lactose&amp;nbsp;: un oxygène (O) dans le pont</source>
        <translation>lactose: an oxygen (O) in the bridge</translation>
    </message>
    <message>
        <source>thiolactose&amp;nbsp;: un soufre (S) à sa place</source>
        <translation>thiolactose: a sulphur (S) in its place</translation>
    </message>
    <message>
        <source>2. La lactase ne peut (presque) pas couper la liaison avec le soufre&amp;nbsp;: elle le retient sans le transformer.</source>
        <translation>2. Lactase can (almost) not cut the bond to the sulphur: it holds it without transforming it.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;&amp;nbsp;: hydrolyse du lactose, 37&amp;nbsp;°C, pH&amp;nbsp;8, 10&amp;nbsp;enzymes, dans une boîte de &lt;b&gt;25&amp;nbsp;%&lt;/b&gt; (menu Modèle, «&amp;nbsp;Volume de la boîte&amp;nbsp;»). Vitesse initiale, avec et sans 100&amp;nbsp;thiolactoses (moyenne de 20&amp;nbsp;expériences, et leur étendue)&amp;nbsp;:</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;: lactose hydrolysis, 37&amp;nbsp;°C, pH&amp;nbsp;8, 10&amp;nbsp;enzymes, in a &lt;b&gt;25&amp;nbsp;%&lt;/b&gt; box (Model menu, “Box volume”). Initial rate, with and without 100&amp;nbsp;thiolactoses (mean of 20&amp;nbsp;experiments, and their range):</translation>
    </message>
    <message>
        <source>molécules de lactose coupées par seconde, au début</source>
        <translation>lactose molecules cut per second, at the start</translation>
    </message>
    <message>
        <source>&lt;b&gt;Une compétition.&lt;/b&gt; Avec 20&amp;nbsp;lactoses, le thiolactose ne laisse que %1&amp;nbsp;% de la vitesse&amp;nbsp;; avec 200, %2&amp;nbsp;%&amp;nbsp;: plus il y a de lactose, plus une lactase libre a de chances de rencontrer un lactose plutôt qu’un thiolactose, et moins l’inhibiteur gêne.</source>
        <translation>&lt;b&gt;A competition.&lt;/b&gt; With 20&amp;nbsp;lactoses, thiolactose leaves only %1&amp;nbsp;% of the rate; with 200, %2&amp;nbsp;%: the more lactose, the more likely a free lactase is to meet a lactose rather than a thiolactose, and the less the inhibitor hinders.</translation>
    </message>
    <message>
        <source>La courbe d’activité le résume&amp;nbsp;: le thiolactose fait passer &lt;b&gt;Km&lt;/b&gt; de %1 à %2&amp;nbsp;molécules environ, et &lt;b&gt;Vmax&lt;/b&gt; reste le même aux erreurs près (%3 sans, %4 avec, en molécules/s). C’est la marque d’un &lt;b&gt;inhibiteur compétitif&lt;/b&gt;&amp;nbsp;: voir le sujet «&amp;nbsp;La courbe d’activité&amp;nbsp;».</source>
        <translation>The activity curve sums it up: thiolactose takes &lt;b&gt;Km&lt;/b&gt; from about %1 to %2&amp;nbsp;molecules, and &lt;b&gt;Vmax&lt;/b&gt; stays the same within the errors (%3 without, %4 with, in molecules/s). This is the mark of a &lt;b&gt;competitive inhibitor&lt;/b&gt;: see the topic “The activity curve”.</translation>
    </message>
    <message>
        <source>%1&amp;nbsp;±&amp;nbsp;%2</source>
        <translation>%1&amp;nbsp;±&amp;nbsp;%2</translation>
    </message>
    <message>
        <source>Le thiolactose a presque la forme du lactose&amp;nbsp;: un soufre remplace l’oxygène du pont.</source>
        <translation>Thiolactose has almost the shape of lactose: a sulphur replaces the bridging oxygen.</translation>
    </message>
    <message>
        <source>Il entre dans le site actif de la lactase, qui ne peut (presque) pas le couper&amp;nbsp;: l’enzyme est bloquée un moment.</source>
        <translation>It enters the active site of lactase, which can (almost) not cut it: the enzyme is blocked for a while.</translation>
    </message>
    <message>
        <source>Lactose et thiolactose se disputent les sites actifs&amp;nbsp;: c’est un &lt;b&gt;inhibiteur compétitif&lt;/b&gt;, qui gêne d’autant moins qu’il y a plus de substrat.</source>
        <translation>Lactose and thiolactose compete for the active sites: it is a &lt;b&gt;competitive inhibitor&lt;/b&gt;, which hinders less the more substrate there is.</translation>
    </message>
    <message>
        <source>Pourquoi le thiolactose entre-t-il dans le site actif de la lactase&amp;nbsp;?</source>
        <translation>Why does thiolactose enter the active site of lactase?</translation>
    </message>
    <message>
        <source>Sa forme est presque celle du lactose&amp;nbsp;: elle complète celle du site actif.</source>
        <translation>Its shape is almost that of lactose: it complements that of the active site.</translation>
    </message>
    <message>
        <source>Comment voir, dans Velmora, que l’inhibition est compétitive&amp;nbsp;?</source>
        <translation>How can you see in Velmora that the inhibition is competitive?</translation>
    </message>
    <message>
        <source>Mesurer la vitesse avec et sans thiolactose, pour peu et pour beaucoup de lactose&amp;nbsp;: avec beaucoup de lactose, l’inhibiteur ralentit moins la réaction&amp;nbsp;; Km augmente, Vmax ne change pas.</source>
        <translation>Measure the rate with and without thiolactose, for little and for much lactose: with much lactose, the inhibitor slows the reaction less; Km rises, Vmax does not change.</translation>
    </message>
</context>
<context>
    <name>velmora</name>
    <message>
        <source>Utiliser Velmora</source>
        <translation>Using Velmora</translation>
    </message>
    <message>
        <source>L’écran est partagé en quatre parties.</source>
        <translation>The screen is divided into four parts.</translation>
    </message>
    <message>
        <source>Les molécules</source>
        <translation>The molecules</translation>
    </message>
    <message>
        <source>Les enzymes se déplacent parmi les molécules, les fixent et libèrent les produits.</source>
        <translation>The enzymes move among the molecules, bind them and release the products.</translation>
    </message>
    <message>
        <source>Le graphique</source>
        <translation>The graph</translation>
    </message>
    <message>
        <source>La quantité de substrat restant, seconde après seconde.</source>
        <translation>The amount of substrate left, second by second.</translation>
    </message>
    <message>
        <source>La légende et les commentaires</source>
        <translation>The key and the comments</translation>
    </message>
    <message>
        <source>Chaque symbole expliqué&#xa0;; des conseils pendant l’expérience.</source>
        <translation>Every symbol explained; advice during the experiment.</translation>
    </message>
    <message>
        <source>Le panneau de commande</source>
        <translation>The control panel</translation>
    </message>
    <message>
        <source>Réaction, température, pH, quantités&#xa0;; démarrer, faire une pause.</source>
        <translation>Reaction, temperature, pH, amounts; start, pause.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Le panneau de commande&lt;/b&gt; (en bas à droite)</source>
        <translation>&lt;b&gt;The control panel&lt;/b&gt; (bottom right)</translation>
    </message>
    <message>
        <source>La &lt;b&gt;courbe blanche&lt;/b&gt;&amp;nbsp;: le substrat qui reste. Plus elle descend vite, plus la réaction est rapide.</source>
        <translation>The &lt;b&gt;white curve&lt;/b&gt;: the substrate left. The faster it falls, the faster the reaction.</translation>
    </message>
    <message>
        <source>En &lt;b&gt;pourcentage&lt;/b&gt; (case cochée), 100&amp;nbsp;% est la quantité de départ&amp;nbsp;; sinon en unités arbitraires (UA)&amp;nbsp;: des molécules.</source>
        <translation>In &lt;b&gt;percentage&lt;/b&gt; (box ticked), 100&amp;nbsp;% is the starting amount; otherwise in arbitrary units (AU): molecules.</translation>
    </message>
    <message>
        <source>Le temps avance par pages de &lt;b&gt;100&amp;nbsp;secondes&lt;/b&gt;&amp;nbsp;; après 100&amp;nbsp;s, une nouvelle page commence.</source>
        <translation>Time runs in pages of &lt;b&gt;100&amp;nbsp;seconds&lt;/b&gt;; after 100&amp;nbsp;s, a new page starts.</translation>
    </message>
    <message>
        <source>Un trait &lt;font color=&apos;#d00000&apos;&gt;&lt;b&gt;rouge&lt;/b&gt;&lt;/font&gt;&amp;nbsp;: la température a changé&amp;nbsp;; un trait &lt;font color=&apos;#0000d0&apos;&gt;&lt;b&gt;bleu&lt;/b&gt;&lt;/font&gt;&amp;nbsp;: le pH a changé.</source>
        <translation>A &lt;font color=&apos;#d00000&apos;&gt;&lt;b&gt;red&lt;/b&gt;&lt;/font&gt; line: the temperature changed; a &lt;font color=&apos;#0000d0&apos;&gt;&lt;b&gt;blue&lt;/b&gt;&lt;/font&gt; line: the pH changed.</translation>
    </message>
    <message>
        <source>Cliquez sur le point d’interrogation, sous le graphique, pour l’aide du graphique.</source>
        <translation>Click the question mark, under the graph, for help on the graph.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Les menus et le clavier&lt;/b&gt;</source>
        <translation>&lt;b&gt;The menus and the keyboard&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Entrée</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>démarrer ou recommencer l’expérience</source>
        <translation>start or restart the experiment</translation>
    </message>
    <message>
        <source>Espace</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>pause ou reprise</source>
        <translation>pause or resume</translation>
    </message>
    <message>
        <source>Échap</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>arrêter l’expérience</source>
        <translation>stop the experiment</translation>
    </message>
    <message>
        <source>Maj + P</source>
        <translation>Shift + P</translation>
    </message>
    <message>
        <source>retirer les produits de l’écran</source>
        <translation>remove the products from the screen</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>ouvrir «&#xa0;En savoir plus&#xa0;»</source>
        <translation>open “Learn more”</translation>
    </message>
    <message>
        <source>Alt + F4</source>
        <translation>Alt + F4</translation>
    </message>
    <message>
        <source>quitter le logiciel</source>
        <translation>quit the program</translation>
    </message>
    <message>
        <source>&lt;b&gt;Une expérience à essayer&amp;nbsp;: l’effet de la température&lt;/b&gt;</source>
        <translation>&lt;b&gt;An experiment to try: the effect of temperature&lt;/b&gt;</translation>
    </message>
    <message>
        <source>1. Hydrolyse du lactose, 20 enzymes, 100 molécules de lactose, pH&amp;nbsp;8, &lt;b&gt;20&amp;nbsp;°C&lt;/b&gt;&amp;nbsp;: démarrez et notez le temps mis pour arriver à 50&amp;nbsp;%.</source>
        <translation>1. Lactose hydrolysis, 20 enzymes, 100 molecules of lactose, pH&amp;nbsp;8, &lt;b&gt;20&amp;nbsp;°C&lt;/b&gt;: start and note the time taken to reach 50&amp;nbsp;%.</translation>
    </message>
    <message>
        <source>2. Recommencez à &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, puis à &lt;b&gt;60&amp;nbsp;°C&lt;/b&gt;. Comparez les temps.</source>
        <translation>2. Repeat at &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, then at &lt;b&gt;60&amp;nbsp;°C&lt;/b&gt;. Compare the times.</translation>
    </message>
    <message>
        <source>3. Pendant une expérience à 37&amp;nbsp;°C, montez la température à 70&amp;nbsp;°C&amp;nbsp;: que deviennent les enzymes&amp;nbsp;? Redescendez à 37&amp;nbsp;°C&amp;nbsp;: la réaction repart-elle&amp;nbsp;?</source>
        <translation>3. During an experiment at 37&amp;nbsp;°C, raise the temperature to 70&amp;nbsp;°C: what happens to the enzymes? Go back down to 37&amp;nbsp;°C: does the reaction start again?</translation>
    </message>
    <message>
        <source>Faites de même avec le pH, ou en ajoutant du thiolactose.</source>
        <translation>Do the same with the pH, or by adding thiolactose.</translation>
    </message>
    <message>
        <source>Hydrolyse du lactose</source>
        <translation>Lactose hydrolysis</translation>
    </message>
    <message>
        <source>Température</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Enzyme</source>
        <translation>Enzyme</translation>
    </message>
    <message>
        <source>Substrat</source>
        <translation>Substrate</translation>
    </message>
    <message>
        <source>Thiolactose</source>
        <translation>Thiolactose</translation>
    </message>
    <message>
        <source>Démarrer / recommencer</source>
        <translation>Start / restart</translation>
    </message>
    <message>
        <source>Pause / reprise</source>
        <translation>Pause / resume</translation>
    </message>
    <message>
        <source>En savoir plus</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>◀ ▶&amp;nbsp;: l’une des quatre réactions.</source>
        <translation>◀ ▶: one of the four reactions.</translation>
    </message>
    <message>
        <source>La &lt;b&gt;température&lt;/b&gt;, de −10 à 90&amp;nbsp;°C (au-delà de 80&amp;nbsp;°C, le modèle calcule comme à 80&amp;nbsp;°C), et le &lt;b&gt;pH&lt;/b&gt;, de 0 à 14&amp;nbsp;: ils peuvent changer &lt;b&gt;pendant&lt;/b&gt; l’expérience.</source>
        <translation>The &lt;b&gt;temperature&lt;/b&gt;, from −10 to 90&amp;nbsp;°C (above 80&amp;nbsp;°C, the model computes as at 80&amp;nbsp;°C), and the &lt;b&gt;pH&lt;/b&gt;, from 0 to 14: they can change &lt;b&gt;during&lt;/b&gt; the experiment.</translation>
    </message>
    <message>
        <source>Les &lt;b&gt;quantités&lt;/b&gt; d’enzyme et de substrat, jusqu’à 200 molécules, et, en hydrolyse du lactose, l’inhibiteur, le &lt;b&gt;thiolactose&lt;/b&gt;. Changer une quantité &lt;b&gt;suspend&lt;/b&gt; l’expérience.</source>
        <translation>The &lt;b&gt;amounts&lt;/b&gt; of enzyme and substrate, up to 200 molecules, and, in lactose hydrolysis, the inhibitor, &lt;b&gt;thiolactose&lt;/b&gt;. Changing an amount &lt;b&gt;suspends&lt;/b&gt; the experiment.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Démarrer / recommencer&lt;/b&gt; lance une expérience avec les réglages choisis&amp;nbsp;; &lt;b&gt;Pause / reprise&lt;/b&gt; arrête et relance le temps.</source>
        <translation>&lt;b&gt;Start / restart&lt;/b&gt; launches an experiment with the chosen settings; &lt;b&gt;Pause / resume&lt;/b&gt; stops and restarts time.</translation>
    </message>
    <message>
        <source>Après un changement de quantité, cliquez à nouveau sur «&amp;nbsp;Démarrer&amp;nbsp;». Les boutons «&amp;nbsp;Essayer dans Velmora&amp;nbsp;» des leçons règlent le panneau pour vous.</source>
        <translation>After changing an amount, click “Start” again. The lessons’ “Try it in Velmora” buttons set the panel for you.</translation>
    </message>
    <message>
        <source>Ctrl + S</source>
        <translation>Ctrl + S</translation>
    </message>
    <message>
        <source>enregistrer l’expérience</source>
        <translation>save the experiment</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>mode projection, pour le tableau de la classe</source>
        <translation>projector mode, for the class’s board</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Modèle</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Ouvrir…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Enregistrer l’expérience…</source>
        <translation>Save the experiment…</translation>
    </message>
    <message>
        <source>Préparer un scénario…</source>
        <translation>Prepare a scenario…</translation>
    </message>
    <message>
        <source>Groupe et classe…</source>
        <translation>Group and class…</translation>
    </message>
    <message>
        <source>Compte rendu…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Imprimer…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Copier ma ligne de résultats</source>
        <translation>Copy my results line</translation>
    </message>
    <message>
        <source>Charger les valeurs par défaut</source>
        <translation>Load the default values</translation>
    </message>
    <message>
        <source>Quitter ce logiciel</source>
        <translation>Quit this program</translation>
    </message>
    <message>
        <source>&lt;b&gt;Fichier&lt;/b&gt;&amp;nbsp;: une expérience enregistrée se rouvre telle quelle, avec ses courbes gardées&amp;nbsp;; le compte rendu (PDF) réunit les réglages, le graphique et votre réponse&amp;nbsp;; le professeur y prépare un scénario (consignes, réglages fixés).&lt;br&gt;&lt;b&gt;Modèle&lt;/b&gt;&amp;nbsp;: la réaction, et le &lt;b&gt;volume de la boîte&lt;/b&gt;, de 25 à 400&amp;nbsp;%.&lt;br&gt;&lt;b&gt;Affichage&lt;/b&gt;&amp;nbsp;: la taille des symboles, le nombre de produits à l’écran, le mode projection, les consignes.</source>
        <translation>&lt;b&gt;File&lt;/b&gt;: a saved experiment opens again as it was, with its kept curves; the report (PDF) brings together the settings, the graph and your answer; the teacher prepares a scenario there (instructions, fixed settings).&lt;br&gt;&lt;b&gt;Model&lt;/b&gt;: the reaction, and the &lt;b&gt;box volume&lt;/b&gt;, from 25 to 400&amp;nbsp;%.&lt;br&gt;&lt;b&gt;View&lt;/b&gt;: the size of the symbols, the number of products on screen, the projector mode, the instructions.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Les outils du graphique.&lt;/b&gt; Un clic droit sur le graphique ouvre son menu&amp;nbsp;; rien n’y arrête l’expérience.</source>
        <translation>&lt;b&gt;The graph’s tools.&lt;/b&gt; A right click on the graph opens its menu; nothing in it stops the experiment.</translation>
    </message>
    <message>
        <source>Copier les données</source>
        <translation>Copy the data</translation>
    </message>
    <message>
        <source>Enregistrer les données…</source>
        <translation>Save the data…</translation>
    </message>
    <message>
        <source>Enregistrer l’image du graphique…</source>
        <translation>Save the graph’s picture…</translation>
    </message>
    <message>
        <source>Garder cette courbe pour comparer</source>
        <translation>Keep this curve to compare</translation>
    </message>
    <message>
        <source>Effacer les courbes gardées</source>
        <translation>Clear the kept curves</translation>
    </message>
    <message>
        <source>Courbe d’activité</source>
        <translation>Activity curve</translation>
    </message>
    <message>
        <source>&lt;b&gt;Exporter.&lt;/b&gt; Les données de toute l’expérience, seconde par seconde, vont dans le presse-papiers (à coller dans un tableur), dans un fichier CSV ou dans un classeur Excel&amp;nbsp;; l’image du graphique, avec ses réglages, dans un fichier PNG.</source>
        <translation>&lt;b&gt;Export.&lt;/b&gt; The data of the whole experiment, second by second, go to the clipboard (to paste into a spreadsheet), to a CSV file or to an Excel workbook; the picture of the graph, with its settings, to a PNG file.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Comparer.&lt;/b&gt; «&amp;nbsp;Garder cette courbe&amp;nbsp;» la dessine derrière les expériences suivantes, chacune dans sa couleur, avec ses réglages en légende&amp;nbsp;: jusqu’à cinq. Changez un seul réglage d’une expérience à l’autre.</source>
        <translation>&lt;b&gt;Compare.&lt;/b&gt; “Keep this curve” draws it behind the following experiments, each in its colour, with its settings in the legend: up to five. Change only one setting from one experiment to the next.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Courbes d’activité.&lt;/b&gt; Velmora fait lui-même une série d’expériences et trace la vitesse initiale selon un réglage&amp;nbsp;: voir l’étape suivante.</source>
        <translation>&lt;b&gt;Activity curves.&lt;/b&gt; Velmora runs a series of experiments itself and plots the initial rate against a setting: see the next step.</translation>
    </message>
    <message>
        <source>Deux courbes gardées (en couleur) derrière l’expérience en cours&#xa0;:</source>
        <translation>Two kept curves (in colour) behind the running experiment:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Les courbes d’activité.&lt;/b&gt; Clic droit sur le graphique, «&amp;nbsp;Courbe d’activité&amp;nbsp;»&amp;nbsp;: Velmora fait lui-même une série d’expériences avec les réglages du panneau, dans une fenêtre à part, pendant que l’expérience en cours continue.</source>
        <translation>&lt;b&gt;Activity curves.&lt;/b&gt; Right-click the graph, “Activity curve”: Velmora runs a series of experiments itself with the panel’s settings, in a window of its own, while the current experiment carries on.</translation>
    </message>
    <message>
        <source>selon la température</source>
        <translation>against temperature</translation>
    </message>
    <message>
        <source>selon le pH</source>
        <translation>against pH</translation>
    </message>
    <message>
        <source>selon la quantité de substrat</source>
        <translation>against the amount of substrate</translation>
    </message>
    <message>
        <source>selon la quantité d’inhibiteur</source>
        <translation>against the amount of inhibitor</translation>
    </message>
    <message>
        <source>Comprendre la courbe d’activité…</source>
        <translation>Understand the activity curve…</translation>
    </message>
    <message>
        <source>Chaque point est la moyenne de plusieurs expériences, avec leur étendue (ci-dessus, l’hydrolyse du lactose dans une boîte de 25&amp;nbsp;%)&amp;nbsp;; selon la quantité de substrat, l’ajustement de Michaelis et Menten donne Km et Vmax, et la droite de Lineweaver et Burk s’affiche sur demande. Avec du thiolactose sur le panneau, les courbes sans et avec.</source>
        <translation>Each point is the mean of several experiments, with their range (above, lactose hydrolysis in a 25&amp;nbsp;% box); against the amount of substrate, the Michaelis–Menten fit gives Km and Vmax, and the Lineweaver–Burk line shows on request. With thiolactose on the panel, the curves without and with it.</translation>
    </message>
    <message>
        <source>Le tableau se copie dans un tableur, et la commande équivalente de velmora2-batch refait le même calcul.</source>
        <translation>The table copies into a spreadsheet, and the equivalent velmora2-batch command does the same calculation again.</translation>
    </message>
    <message>
        <source>«&amp;nbsp;Comprendre la courbe d’activité…&amp;nbsp;» ouvre le sujet qui l’explique&amp;nbsp;: Km, Vmax, inhibiteur compétitif.</source>
        <translation>“Understand the activity curve…” opens the topic that explains it: Km, Vmax, competitive inhibitor.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Le modèle et la réalité&amp;nbsp;: le temps et les quantités.&lt;/b&gt; Velmora compte des molécules une à une et ralentit le temps, pour qu’on voie chaque enzyme travailler.</source>
        <translation>&lt;b&gt;The model and reality: time and amounts.&lt;/b&gt; Velmora counts molecules one by one and slows time down, so that each enzyme can be seen at work.</translation>
    </message>
    <message>
        <source>Dans Velmora</source>
        <translation>In Velmora</translation>
    </message>
    <message>
        <source>Dans la réalité</source>
        <translation>In reality</translation>
    </message>
    <message>
        <source>Quantité</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>100&amp;nbsp;molécules de lactose et 20&amp;nbsp;lactases dans la boîte</source>
        <translation>100&amp;nbsp;lactose molecules and 20&amp;nbsp;lactases in the box</translation>
    </message>
    <message>
        <source>un verre de lait (25&amp;nbsp;cL) contient environ 12&amp;nbsp;g de lactose, soit 2&amp;nbsp;×&amp;nbsp;10²² molécules</source>
        <translation>a glass of milk (25&amp;nbsp;cL) holds about 12&amp;nbsp;g of lactose, that is 2&amp;nbsp;×&amp;nbsp;10²² molecules</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Concentration</translation>
    </message>
    <message>
        <source>des molécules par boîte (la boîte a un volume fixe)</source>
        <translation>molecules per box (the box has a fixed volume)</translation>
    </message>
    <message>
        <source>en moles par litre&amp;nbsp;: environ 0,15&amp;nbsp;mol/L de lactose dans le lait</source>
        <translation>in moles per litre: about 0.15&amp;nbsp;mol/L of lactose in milk</translation>
    </message>
    <message>
        <source>Vitesse d’une enzyme</source>
        <translation>Rate of one enzyme</translation>
    </message>
    <message>
        <source>une lactase coupe moins d’un lactose par seconde</source>
        <translation>a lactase cuts less than one lactose per second</translation>
    </message>
    <message>
        <source>une lactase&amp;nbsp;: quelques dizaines par seconde&amp;nbsp;; la catalase&amp;nbsp;: des millions</source>
        <translation>a lactase: a few tens per second; catalase: millions</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>la moitié du lactose en une dizaine de secondes, à l’écran</source>
        <translation>half the lactose in about ten seconds, on screen</translation>
    </message>
    <message>
        <source>dépend des quantités&amp;nbsp;: le lait «&amp;nbsp;sans lactose&amp;nbsp;» est hydrolysé en quelques heures</source>
        <translation>depends on the amounts: “lactose-free” milk is hydrolysed in a few hours</translation>
    </message>
    <message>
        <source>Les chiffres du modèle servent à comparer des expériences entre elles (plus chaud, plus acide, plus d’enzyme…), pas à prédire des durées réelles. Et comme les molécules bougent au hasard, chaque mesure varie un peu d’une expérience à l’autre&amp;nbsp;: on la répète et on fait la moyenne.</source>
        <translation>The model’s numbers are for comparing experiments with one another (warmer, more acid, more enzyme…), not for predicting real durations. And as the molecules move at random, each measurement varies a little from one experiment to the next: repeat it and take the mean.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ce que donne le modèle.&lt;/b&gt; À 70&amp;nbsp;°C, les trois quarts des enzymes sont dénaturés, pour toute l’expérience&amp;nbsp;: redescendue à 37&amp;nbsp;°C, la réaction repart, mais environ quatre fois plus lentement qu’avant. Le froid, lui, n’aurait rien abîmé.</source>
        <translation>&lt;b&gt;What the model gives.&lt;/b&gt; At 70&amp;nbsp;°C, three quarters of the enzymes are denatured, for the whole experiment: back at 37&amp;nbsp;°C, the reaction starts again, but about four times more slowly than before. Cold would have harmed nothing.</translation>
    </message>
    <message>
        <source>Cacher la réponse</source>
        <translation>Hide the answer</translation>
    </message>
    <message>
        <source>Voir la réponse du modèle</source>
        <translation>Show the model’s answer</translation>
    </message>
    <message>
        <source>Réglez la réaction, la température, le pH et les quantités, puis «&amp;nbsp;Démarrer / recommencer&amp;nbsp;»&amp;nbsp;; un changement de quantité suspend l’expérience.</source>
        <translation>Set the reaction, the temperature, the pH and the amounts, then “Start / restart”; changing an amount suspends the experiment.</translation>
    </message>
    <message>
        <source>Le graphique montre le substrat qui reste&amp;nbsp;: plus la courbe descend vite, plus la réaction est rapide.</source>
        <translation>The graph shows the substrate left: the faster the curve goes down, the faster the reaction.</translation>
    </message>
    <message>
        <source>Le clic droit sur le graphique garde une courbe pour comparer, copie ou enregistre les données, trace des courbes d’activité.</source>
        <translation>A right click on the graph keeps a curve to compare, copies or saves the data, plots activity curves.</translation>
    </message>
    <message>
        <source>Le modèle ralentit le temps et compte peu de molécules&amp;nbsp;: il sert à comparer, et chaque mesure se répète.</source>
        <translation>The model slows time and counts few molecules: it is for comparing, and each measurement is repeated.</translation>
    </message>
    <message>
        <source>Vous changez la quantité d’enzyme pendant une expérience&amp;nbsp;: que se passe-t-il&amp;nbsp;?</source>
        <translation>You change the amount of enzyme during an experiment: what happens?</translation>
    </message>
    <message>
        <source>L’expérience est suspendue&amp;nbsp;: la nouvelle quantité compte au prochain «&amp;nbsp;Démarrer&amp;nbsp;».</source>
        <translation>The experiment is suspended: the new amount counts from the next “Start”.</translation>
    </message>
    <message>
        <source>Comment comparer deux expériences sur le même graphique&amp;nbsp;?</source>
        <translation>How do you compare two experiments on the same graph?</translation>
    </message>
    <message>
        <source>Clic droit sur le graphique, «&amp;nbsp;Garder cette courbe pour comparer&amp;nbsp;», puis lancer la seconde expérience.</source>
        <translation>Right-click the graph, “Keep this curve to compare”, then run the second experiment.</translation>
    </message>
</context>
</TS>
