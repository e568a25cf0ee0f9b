<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>ActivityCurve</name>
    <message>
        <source>Activité de l’enzyme</source>
        <translation>Enzyme activity</translation>
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
        <translation>&amp;Cancel the calculation</translation>
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
        <source>Le même calcul sans fenêtre&#xa0;: %1</source>
        <translation>The same calculation without a window: %1</translation>
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
        <translation>C&amp;lose</translation>
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
        <source>Chaque point est la vitesse initiale moyenne de %1&#xa0;expériences faites avec les réglages actuels. L’expérience de la fenêtre principale continue pendant le calcul.</source>
        <translation>Each point is the mean initial rate of %1&#xa0;experiments run with the current settings. The experiment in the main window carries on during the calculation.</translation>
    </message>
    <message>
        <source>Calcul terminé&#xa0;: %1&#xa0;expériences.</source>
        <translation>Calculation finished: %1&#xa0;experiments.</translation>
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
    <name>FileWriter</name>
    <message>
        <source>erreur du système %1 (%2)</source>
        <translation>system error %1 (%2)</translation>
    </message>
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
        <source>courbe gardée %1 (%)</source>
        <translation>kept curve %1 (%)</translation>
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
</context>
<context>
    <name>GraphicalScreen</name>
    <message>
        <source>velmora2&#xa0;: ce logiciel a besoin d’un écran graphique, et aucun n’est accessible.</source>
        <translation>velmora2: this program needs a graphical display, and none is available.</translation>
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
        <source>Modèle</source>
        <translation>Model</translation>
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
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>&amp;Réaction</source>
        <translation>&amp;Reaction</translation>
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
        <source>Hydrolyse du maltose</source>
        <translation>Maltose hydrolysis</translation>
    </message>
    <message>
        <source>Hydrolyse de l&apos;amylose</source>
        <translation>Amylose hydrolysis</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Purger les produits</source>
        <translation>Clear the products</translation>
    </message>
    <message>
        <source>Nombre maximal de produits à l&apos;écran :</source>
        <translation>Largest number of products on the screen:</translation>
    </message>
    <message>
        <source>Mode de représentation</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>Grands symboles</source>
        <translation>Large symbols</translation>
    </message>
    <message>
        <source>Petits symboles</source>
        <translation>Small symbols</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Hidden</translation>
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
        <source>En savoir plus sur</source>
        <translation>Learn more about</translation>
    </message>
    <message>
        <source>la réaction d&apos;hydrolyse du lactose</source>
        <translation>the hydrolysis of lactose</translation>
    </message>
    <message>
        <source>le mécanisme de la catalyse enzymatique</source>
        <translation>the mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>Velmora v2 — modélisation de l&apos;activité enzymatique</source>
        <translation>Velmora v2 — modelling enzyme activity</translation>
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
</context>
<context>
    <name>TimeCourse</name>
    <message>
        <source>UA</source>
        <translation>AU</translation>
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
        <source>Réaction et enzyme</source>
        <translation>Reaction and enzyme</translation>
    </message>
    <message>
        <source>Logiciel et tests</source>
        <translation>Program and tests</translation>
    </message>
    <message>
        <source>Autres réactions</source>
        <translation>Other reactions</translation>
    </message>
    <message>
        <source>Expériences</source>
        <translation>Experiments</translation>
    </message>
    <message>
        <source>La réaction d’hydrolyse du lactose</source>
        <translation>The hydrolysis of lactose</translation>
    </message>
    <message>
        <source>Le lactose et l’eau donnent du glucose et du galactose, grâce à la lactase.</source>
        <translation>Lactose and water give glucose and galactose, thanks to lactase.</translation>
    </message>
    <message>
        <source>Le mécanisme de la catalyse enzymatique</source>
        <translation>The mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>Site actif, complexe enzyme-substrat&amp;nbsp;; effets de la température, du pH et d’un inhibiteur.</source>
        <translation>Active site, enzyme-substrate complex; effects of temperature, pH and an inhibitor.</translation>
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
        <source>Les quatre parties de l’écran, le panneau de commande, le graphique.</source>
        <translation>The four parts of the screen, the control panel, the graph.</translation>
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
        <source>Amylose et amylopectine&amp;nbsp;; amylases α et β, de la salive au pancréas.</source>
        <translation>Amylose and amylopectin; α- and β-amylases, from saliva to the pancreas.</translation>
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
        <source>Six expériences à faire dans Velmora, avec les réponses du modèle.</source>
        <translation>Six experiments to do in Velmora, with the model’s answers.</translation>
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
        <source>La &lt;b&gt;courbe blanche&lt;/b&gt; montre la quantité de &lt;b&gt;substrat&lt;/b&gt; qui reste, seconde après seconde.</source>
        <translation>The &lt;b&gt;white curve&lt;/b&gt; shows the amount of &lt;b&gt;substrate&lt;/b&gt; left, second by second.</translation>
    </message>
    <message>
        <source>Elle descend parce que les enzymes transforment le substrat en produits. Plus la pente est forte, plus la réaction est &lt;b&gt;rapide&lt;/b&gt;.</source>
        <translation>It falls because the enzymes turn the substrate into products. The steeper the slope, the &lt;b&gt;faster&lt;/b&gt; the reaction.</translation>
    </message>
    <message>
        <source>Quand la courbe devient plate, la réaction s’arrête&amp;nbsp;: plus de substrat, ou des enzymes qui ne travaillent plus.</source>
        <translation>When the curve flattens, the reaction stops: no substrate is left, or the enzymes no longer work.</translation>
    </message>
    <message>
        <source>Case &lt;b&gt;pourcentage&lt;/b&gt; cochée&amp;nbsp;: 100&amp;nbsp;% est la quantité de substrat du départ. Décochée&amp;nbsp;: l’axe compte en &lt;b&gt;unités arbitraires&lt;/b&gt; (UA), ici des molécules. Essayez-la, sous le graphique.</source>
        <translation>&lt;b&gt;Percentage&lt;/b&gt; box ticked: 100&amp;nbsp;% is the starting amount of substrate. Unticked: the axis counts in &lt;b&gt;arbitrary units&lt;/b&gt; (AU), here molecules. Try it, under the graph.</translation>
    </message>
    <message>
        <source>Le temps est en secondes, par &lt;b&gt;pages de 100&amp;nbsp;s&lt;/b&gt;. Après 100&amp;nbsp;s, le graphique s’efface et une nouvelle page commence à 101&amp;nbsp;s&amp;nbsp;: la courbe reprend là où elle en était, comme ici.</source>
        <translation>Time is in seconds, in &lt;b&gt;pages of 100&amp;nbsp;s&lt;/b&gt;. After 100&amp;nbsp;s, the graph is cleared and a new page starts at 101&amp;nbsp;s: the curve carries on where it was, as here.</translation>
    </message>
    <message>
        <source>Le temps écoulé s’affiche aussi &lt;b&gt;sous&lt;/b&gt; le graphique.</source>
        <translation>The elapsed time is also shown &lt;b&gt;under&lt;/b&gt; the graph.</translation>
    </message>
    <message>
        <source>Un trait &lt;font color=&apos;#d00000&apos;&gt;&lt;b&gt;rouge&lt;/b&gt;&lt;/font&gt; marque la seconde où vous avez changé la &lt;b&gt;température&lt;/b&gt;.</source>
        <translation>A &lt;font color=&apos;#d00000&apos;&gt;&lt;b&gt;red&lt;/b&gt;&lt;/font&gt; line marks the second when you changed the &lt;b&gt;temperature&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Un trait &lt;font color=&apos;#0000d0&apos;&gt;&lt;b&gt;bleu&lt;/b&gt;&lt;/font&gt; marque la seconde où vous avez changé le &lt;b&gt;pH&lt;/b&gt;.</source>
        <translation>A &lt;font color=&apos;#0000d0&apos;&gt;&lt;b&gt;blue&lt;/b&gt;&lt;/font&gt; line marks the second when you changed the &lt;b&gt;pH&lt;/b&gt;.</translation>
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
        <source>l&apos;enzyme (β-galactosidase)</source>
        <translation>the enzyme (β-galactosidase)</translation>
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
        <source>l&apos;autre produit</source>
        <translation>the other product</translation>
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
        <source>inhibiteur : occupe le site actif</source>
        <translation>inhibitor: occupies the active site</translation>
    </message>
    <message>
        <source>Lactose synthase</source>
        <translation>Lactose synthase</translation>
    </message>
    <message>
        <source>l&apos;enzyme</source>
        <translation>the enzyme</translation>
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
        <source>l&apos;autre substrat</source>
        <translation>the other substrate</translation>
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
        <source>ce qui reste de l&apos;UDP-galactose</source>
        <translation>what is left of UDP-galactose</translation>
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
        <source>chaînes d&apos;unités, coupées par le bas</source>
        <translation>chains of units, cut from the bottom</translation>
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
        <source>chaleur ou pH extrême : elle ne fonctionne plus</source>
        <translation>heat or extreme pH: it no longer works</translation>
    </message>
    <message>
        <source>Enzyme chargée</source>
        <translation>Charged enzyme</translation>
    </message>
    <message>
        <source>+ en milieu trop acide, − trop basique : elle ne fixe rien</source>
        <translation>+ in too acidic a medium, − too basic: it binds nothing</translation>
    </message>
    <message>
        <source>Symboles :</source>
        <translation>Symbols:</translation>
    </message>
    <message>
        <source>Petits</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Grands</source>
        <translation>Large</translation>
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
        <source>◀ ▶&amp;nbsp;: choisissez l’une des quatre réactions.</source>
        <translation>◀ ▶: choose one of the four reactions.</translation>
    </message>
    <message>
        <source>Faites glisser les curseurs pour régler la &lt;b&gt;température&lt;/b&gt; (de −10 à 90&amp;nbsp;°C), le &lt;b&gt;pH&lt;/b&gt; (de 0 à 14) et les &lt;b&gt;quantités&lt;/b&gt; d’enzyme et de substrat (jusqu’à 200 molécules). En hydrolyse du lactose, vous pouvez ajouter un inhibiteur, le &lt;b&gt;thiolactose&lt;/b&gt;.</source>
        <translation>Drag the sliders to set the &lt;b&gt;temperature&lt;/b&gt; (from −10 to 90&amp;nbsp;°C), the &lt;b&gt;pH&lt;/b&gt; (from 0 to 14) and the &lt;b&gt;amounts&lt;/b&gt; of enzyme and substrate (up to 200 molecules). In lactose hydrolysis, you can add an inhibitor, &lt;b&gt;thiolactose&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Démarrer / recommencer l’expérience&lt;/b&gt; lance une expérience avec les réglages choisis. &lt;b&gt;Pause / reprise&lt;/b&gt; arrête et relance le temps.</source>
        <translation>&lt;b&gt;Start / restart the experiment&lt;/b&gt; starts an experiment with the chosen settings. &lt;b&gt;Pause / resume&lt;/b&gt; stops and restarts time.</translation>
    </message>
    <message>
        <source>La température et le pH peuvent changer &lt;b&gt;pendant&lt;/b&gt; l’expérience. Changer une quantité la &lt;b&gt;suspend&lt;/b&gt;&amp;nbsp;: cliquez alors à nouveau sur «&amp;nbsp;Démarrer&amp;nbsp;».</source>
        <translation>The temperature and the pH can change &lt;b&gt;during&lt;/b&gt; the experiment. Changing an amount &lt;b&gt;suspends&lt;/b&gt; it: then click “Start” again.</translation>
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
        <source>Dans le menu &lt;b&gt;Affichage&lt;/b&gt;&amp;nbsp;: petits ou grands symboles, et le nombre maximal de produits gardés à l’écran. «&amp;nbsp;Fichier › Charger les valeurs par défaut&amp;nbsp;» remet les réglages de départ.</source>
        <translation>In the &lt;b&gt;View&lt;/b&gt; menu: small or large symbols, and the largest number of products kept on the screen. “File › Load the default values” restores the starting settings.</translation>
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
</context>
</TS>
