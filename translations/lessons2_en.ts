<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
        <source>Puis les tubes C et D passent 10&amp;nbsp;min de plus à 37&amp;nbsp;°C&amp;nbsp;: nouveau test.</source>
        <translation>Then tubes C and D spend another 10&amp;nbsp;min at 37&amp;nbsp;°C: a new test.</translation>
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
        <translation>A is the &lt;b&gt;no-enzyme control&lt;/b&gt;; D is the &lt;b&gt;boiled-enzyme&lt;/b&gt; control. Blue-black: some starch is left. Orange-brown: there is no starch left.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tube A&lt;/b&gt; (sans enzyme)&amp;nbsp;: l’amidon ne disparaît pas de lui-même à 37&amp;nbsp;°C. C’est bien l’amylase qui l’hydrolyse dans le tube B.</source>
        <translation>&lt;b&gt;Tube A&lt;/b&gt; (no enzyme): starch does not disappear by itself at 37&amp;nbsp;°C. So it really is the amylase that hydrolyses it in tube B.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Tube C&lt;/b&gt; (0&amp;nbsp;°C)&amp;nbsp;: le &lt;b&gt;froid ralentit&lt;/b&gt; la réaction. Les molécules s’agitent peu et se rencontrent rarement. L’enzyme n’est pas abîmée&amp;nbsp;: réchauffée à 37&amp;nbsp;°C, elle travaille de nouveau. L’effet du froid est &lt;b&gt;réversible&lt;/b&gt;.</source>
        <translation>&lt;b&gt;Tube C&lt;/b&gt; (0&amp;nbsp;°C): &lt;b&gt;cold slows&lt;/b&gt; the reaction down. The molecules move little and rarely meet. The enzyme is not damaged: warmed to 37&amp;nbsp;°C, it works again. The effect of cold is &lt;b&gt;reversible&lt;/b&gt;.</translation>
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
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;&amp;nbsp;: hydrolyse de l’amylose, pH&amp;nbsp;7, 20&amp;nbsp;enzymes, 100&amp;nbsp;unités. Démarrez à 0&amp;nbsp;°C et passez à 37&amp;nbsp;°C au bout d’une minute&amp;nbsp;; démarrez à 80&amp;nbsp;°C et passez tout de suite à 37&amp;nbsp;°C. Unités restantes&amp;nbsp;:</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;: amylose hydrolysis, pH&amp;nbsp;7, 20&amp;nbsp;enzymes, 100&amp;nbsp;units. Start at 0&amp;nbsp;°C and change to 37&amp;nbsp;°C after one minute; start at 80&amp;nbsp;°C and change to 37&amp;nbsp;°C straight away. Units left:</translation>
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
        <source>au-dessus de 40&amp;nbsp;°C, une part des enzymes est dénaturée pour toute l’expérience&amp;nbsp;: la moitié à 60&amp;nbsp;°C, toutes à 80&amp;nbsp;°C (le modèle ne va pas au-delà de 80&amp;nbsp;°C)&amp;nbsp;;</source>
        <translation>above 40&amp;nbsp;°C, a share of the enzymes is denatured for the whole experiment: half of them at 60&amp;nbsp;°C, all of them at 80&amp;nbsp;°C (the model does not go above 80&amp;nbsp;°C);</translation>
    </message>
    <message>
        <source>la dénaturation y est immédiate&amp;nbsp;; en réalité, elle prend un peu de temps et dépend de l’enzyme.</source>
        <translation>denaturation is instant in the model; in reality it takes a little time and depends on the enzyme.</translation>
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
        <source>Revoir le protocole et les questions</source>
        <translation>Back to the method and the questions</translation>
    </message>
    <message>
        <source>Voir les réponses du modèle</source>
        <translation>See the model’s answers</translation>
    </message>
    <message>
        <source>Réglez le &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;, &lt;b&gt;20&lt;/b&gt; molécules d’enzyme, &lt;b&gt;100&lt;/b&gt; de substrat et aucun thiolactose.</source>
        <translation>Set &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;, &lt;b&gt;20&lt;/b&gt; enzyme molecules, &lt;b&gt;100&lt;/b&gt; substrate molecules and no thiolactose.</translation>
    </message>
    <message>
        <source>Six expériences à faire dans Velmora&amp;nbsp;: la &lt;b&gt;température&lt;/b&gt;, le &lt;b&gt;pH&lt;/b&gt;, la &lt;b&gt;quantité d’enzyme&lt;/b&gt;, la &lt;b&gt;quantité de substrat&lt;/b&gt;, un &lt;b&gt;inhibiteur&lt;/b&gt; et le &lt;b&gt;choix de la réaction&lt;/b&gt;.</source>
        <translation>Six experiments to do in Velmora: &lt;b&gt;temperature&lt;/b&gt;, &lt;b&gt;pH&lt;/b&gt;, the &lt;b&gt;amount of enzyme&lt;/b&gt;, the &lt;b&gt;amount of substrate&lt;/b&gt;, an &lt;b&gt;inhibitor&lt;/b&gt; and the &lt;b&gt;choice of reaction&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>Pour chacune&amp;nbsp;: suivez le protocole, répondez aux questions, puis comparez avec les réponses du modèle (bouton vert). Changer une quantité suspend l’expérience&amp;nbsp;: cliquez alors sur «&amp;nbsp;Démarrer / recommencer l’expérience&amp;nbsp;».</source>
        <translation>For each one: follow the method, answer the questions, then compare with the model’s answers (green button). Changing an amount pauses the experiment: then click “Start / restart the experiment”.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lire le graphique.&lt;/b&gt; Il montre le substrat qui reste, en pour cent. Le &lt;b&gt;temps de demi-réaction&lt;/b&gt; est le temps au bout duquel la courbe passe sous 50&amp;nbsp;%&amp;nbsp;: plus il est court, plus la réaction est rapide.</source>
        <translation>&lt;b&gt;Reading the graph.&lt;/b&gt; It shows the substrate left, as a percentage. The &lt;b&gt;half-time&lt;/b&gt; of the reaction is the time after which the curve falls below 50&amp;nbsp;%: the shorter it is, the faster the reaction.</translation>
    </message>
    <message>
        <source>Les chiffres des réponses sont ceux du modèle, obtenus avec velmora2-batch, le programme en ligne de commande livré avec Velmora. Les molécules bougeant au hasard, vos mesures seront proches de ces chiffres, pas forcément égales&amp;nbsp;: faites chaque mesure deux ou trois fois.</source>
        <translation>The figures in the answers are the model’s, obtained with velmora2-batch, the command-line program supplied with Velmora. As the molecules move at random, your measurements will be close to these figures, but not necessarily equal: repeat each measurement two or three times.</translation>
    </message>
    <message>
        <source>1. La température</source>
        <translation>1. Temperature</translation>
    </message>
    <message>
        <source>1. Choisissez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt; (flèches ◀ ▶).&lt;br&gt;2. %1&lt;br&gt;3. Réglez &lt;b&gt;10&amp;nbsp;°C&lt;/b&gt;, démarrez et notez le temps de demi-réaction.&lt;br&gt;4. Recommencez à 20, 30, 37, 40, 45, 50, 60, 70 et 80&amp;nbsp;°C, puis à 0&amp;nbsp;°C.</source>
        <translation>1. Choose &lt;b&gt;lactose hydrolysis&lt;/b&gt; (arrows ◀&amp;nbsp;▶).&lt;br&gt;2. %1&lt;br&gt;3. Set &lt;b&gt;10&amp;nbsp;°C&lt;/b&gt;, start and note the half-time.&lt;br&gt;4. Repeat at 20, 30, 37, 40, 45, 50, 60, 70 and 80&amp;nbsp;°C, then at 0&amp;nbsp;°C.</translation>
    </message>
    <message>
        <source>a) Comment la vitesse varie-t-elle de 10 à 40&amp;nbsp;°C&amp;nbsp;? Pourquoi&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Que se passe-t-il au-dessus de 40&amp;nbsp;°C&amp;nbsp;? à 80&amp;nbsp;°C&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) À quelle température la lactase du modèle est-elle la plus rapide&amp;nbsp;? Est-ce la température de la lactase de notre intestin&amp;nbsp;?&lt;br&gt;&lt;br&gt;d) Et à 0&amp;nbsp;°C&amp;nbsp;?</source>
        <translation>a) How does the rate change from 10 to 40&amp;nbsp;°C? Why?&lt;br&gt;&lt;br&gt;b) What happens above 40&amp;nbsp;°C? At 80&amp;nbsp;°C?&lt;br&gt;&lt;br&gt;c) At what temperature is the model’s lactase fastest? Is that the temperature of the lactase in our intestine?&lt;br&gt;&lt;br&gt;d) And at 0&amp;nbsp;°C?</translation>
    </message>
    <message>
        <source>Temps de demi-réaction</source>
        <translation>Half-time</translation>
    </message>
    <message>
        <source>a) De 10 à 40&amp;nbsp;°C, plus il fait chaud, plus la réaction est rapide&amp;nbsp;: les molécules s’agitent davantage et se rencontrent plus souvent.&lt;br&gt;b) Au-dessus de 40&amp;nbsp;°C, une part croissante des enzymes est &lt;b&gt;dénaturée&lt;/b&gt;. Jusqu’à 50&amp;nbsp;°C, l’agitation compense&amp;nbsp;; au-delà, la réaction ralentit. À 80&amp;nbsp;°C, toutes le sont&amp;nbsp;: plus rien ne se passe.&lt;br&gt;c) Le modèle est le plus rapide &lt;b&gt;vers 40 à 50&amp;nbsp;°C&lt;/b&gt;. La lactase humaine travaille à 37&amp;nbsp;°C, la température du corps.&lt;br&gt;d) À 0&amp;nbsp;°C, rien ne bouge dans le modèle (en réalité, la réaction est très lente).</source>
        <translation>a) From 10 to 40&amp;nbsp;°C, the warmer it is, the faster the reaction: the molecules move faster and meet more often.&lt;br&gt;b) Above 40&amp;nbsp;°C, a growing share of the enzymes is &lt;b&gt;denatured&lt;/b&gt;. Up to 50&amp;nbsp;°C, the faster movement makes up for it; beyond that, the reaction slows down. At 80&amp;nbsp;°C, all of them are: nothing happens any more.&lt;br&gt;c) The model is fastest &lt;b&gt;at about 40 to 50&amp;nbsp;°C&lt;/b&gt;. Human lactase works at 37&amp;nbsp;°C, body temperature.&lt;br&gt;d) At 0&amp;nbsp;°C, nothing moves in the model (in reality, the reaction is very slow).</translation>
    </message>
    <message>
        <source>2. Le pH</source>
        <translation>2. pH</translation>
    </message>
    <message>
        <source>1. Choisissez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt;.&lt;br&gt;2. Réglez &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, 20&amp;nbsp;molécules d’enzyme, 100 de substrat, aucun thiolactose.&lt;br&gt;3. Pour chaque pH de &lt;b&gt;3 à 12&lt;/b&gt;&amp;nbsp;: démarrez et notez le pourcentage de lactose qui reste au bout de &lt;b&gt;20&amp;nbsp;s&lt;/b&gt;.</source>
        <translation>1. Choose &lt;b&gt;lactose hydrolysis&lt;/b&gt;.&lt;br&gt;2. Set &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, 20&amp;nbsp;enzyme molecules, 100 substrate molecules, no thiolactose.&lt;br&gt;3. For each pH from &lt;b&gt;3 to 12&lt;/b&gt;: start and note the percentage of lactose left after &lt;b&gt;20&amp;nbsp;s&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>a) À quel pH la réaction est-elle la plus rapide&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Comparez pH&amp;nbsp;6 et pH&amp;nbsp;10, pH&amp;nbsp;5 et pH&amp;nbsp;11. Que remarquez-vous&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Que se passe-t-il à pH&amp;nbsp;3&amp;nbsp;? Pourquoi&amp;nbsp;?</source>
        <translation>a) At what pH is the reaction fastest?&lt;br&gt;&lt;br&gt;b) Compare pH&amp;nbsp;6 and pH&amp;nbsp;10, pH&amp;nbsp;5 and pH&amp;nbsp;11. What do you notice?&lt;br&gt;&lt;br&gt;c) What happens at pH&amp;nbsp;3? Why?</translation>
    </message>
    <message>
        <source>Lactose restant au bout de 20&amp;nbsp;s</source>
        <translation>Lactose left after 20&amp;nbsp;s</translation>
    </message>
    <message>
        <source>a) La lactase du modèle a son optimum à &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt; (moins il reste de lactose, plus la réaction a été rapide). La lactase de l’intestin humain a son optimum vers pH&amp;nbsp;6.&lt;br&gt;b) Dans le modèle, s’écarter de l’optimum d’une même valeur, vers l’acide ou vers le basique, a le même effet&amp;nbsp;: une part des enzymes porte alors des &lt;b&gt;charges&lt;/b&gt; sur son site actif et ne fixe plus rien&amp;nbsp;; plus loin, certaines sont même dénaturées.&lt;br&gt;c) À pH&amp;nbsp;3, toutes les enzymes sont chargées&amp;nbsp;: rien ne se passe.</source>
        <translation>a) The model’s lactase has its optimum at &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt; (the less lactose is left, the faster the reaction has been). The lactase of the human intestine has its optimum at about pH&amp;nbsp;6.&lt;br&gt;b) In the model, moving the same distance from the optimum, towards acid or towards alkaline, has the same effect: some of the enzymes then carry &lt;b&gt;charges&lt;/b&gt; on their active site and no longer bind anything; further away, some are even denatured.&lt;br&gt;c) At pH&amp;nbsp;3, all the enzymes are charged: nothing happens.</translation>
    </message>
    <message>
        <source>3. La quantité d’enzyme</source>
        <translation>3. The amount of enzyme</translation>
    </message>
    <message>
        <source>1. Choisissez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt;, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;, 100&amp;nbsp;molécules de substrat, aucun thiolactose.&lt;br&gt;2. Réglez &lt;b&gt;5&lt;/b&gt; molécules d’enzyme, démarrez, notez le temps de demi-réaction.&lt;br&gt;3. Recommencez avec 10, 20 et 40&amp;nbsp;molécules d’enzyme.</source>
        <translation>1. Choose &lt;b&gt;lactose hydrolysis&lt;/b&gt;, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;, 100&amp;nbsp;substrate molecules, no thiolactose.&lt;br&gt;2. Set &lt;b&gt;5&lt;/b&gt; enzyme molecules, start, and note the half-time.&lt;br&gt;3. Repeat with 10, 20 and 40&amp;nbsp;enzyme molecules.</translation>
    </message>
    <message>
        <source>a) Que devient le temps de demi-réaction quand on double la quantité d’enzyme&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Qu’en déduisez-vous sur la vitesse de la réaction&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) L’enzyme est-elle consommée&amp;nbsp;?</source>
        <translation>a) What happens to the half-time when the amount of enzyme is doubled?&lt;br&gt;&lt;br&gt;b) What can you conclude about the rate of the reaction?&lt;br&gt;&lt;br&gt;c) Is the enzyme used up?</translation>
    </message>
    <message>
        <source>a) Doubler la quantité d’enzyme divise le temps de demi-réaction par deux environ.&lt;br&gt;b) La vitesse est &lt;b&gt;proportionnelle&lt;/b&gt; à la quantité d’enzyme, tant qu’il y a beaucoup de substrat.&lt;br&gt;c) Non&amp;nbsp;: le nombre d’enzymes ne change pas pendant l’expérience. Chacune coupe de nombreuses molécules de lactose, l’une après l’autre&amp;nbsp;: c’est un &lt;b&gt;catalyseur&lt;/b&gt;.</source>
        <translation>a) Doubling the amount of enzyme roughly halves the half-time.&lt;br&gt;b) The rate is &lt;b&gt;proportional&lt;/b&gt; to the amount of enzyme, as long as there is plenty of substrate.&lt;br&gt;c) No: the number of enzymes does not change during the experiment. Each one cuts many lactose molecules, one after another: it is a &lt;b&gt;catalyst&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>4. La quantité de substrat&amp;nbsp;: la saturation</source>
        <translation>4. The amount of substrate: saturation</translation>
    </message>
    <message>
        <source>1. Choisissez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt;, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;, &lt;b&gt;10&lt;/b&gt; molécules d’enzyme, aucun thiolactose.&lt;br&gt;2. Réglez &lt;b&gt;25&lt;/b&gt; molécules de substrat, démarrez, notez le pourcentage restant au bout de &lt;b&gt;20&amp;nbsp;s&lt;/b&gt;, puis calculez le nombre de molécules coupées.&lt;br&gt;3. Recommencez avec 50, 100, 125, 150 et 200&amp;nbsp;molécules de substrat.</source>
        <translation>1. Choose &lt;b&gt;lactose hydrolysis&lt;/b&gt;, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;, &lt;b&gt;10&lt;/b&gt; enzyme molecules, no thiolactose.&lt;br&gt;2. Set &lt;b&gt;25&lt;/b&gt; substrate molecules, start, note the percentage left after &lt;b&gt;20&amp;nbsp;s&lt;/b&gt;, then work out the number of molecules cut.&lt;br&gt;3. Repeat with 50, 100, 125, 150 and 200&amp;nbsp;substrate molecules.</translation>
    </message>
    <message>
        <source>a) Jusqu’à quelle quantité de substrat le nombre de molécules coupées en 20&amp;nbsp;s double-t-il quand le substrat double&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Que se passe-t-il ensuite&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Comment l’expliquer&amp;nbsp;?</source>
        <translation>a) Up to what amount of substrate does the number of molecules cut in 20&amp;nbsp;s double when the substrate doubles?&lt;br&gt;&lt;br&gt;b) What happens after that?&lt;br&gt;&lt;br&gt;c) How can this be explained?</translation>
    </message>
    <message>
        <source>Lactose coupé en 20&amp;nbsp;s</source>
        <translation>Lactose cut in 20&amp;nbsp;s</translation>
    </message>
    <message>
        <source>a) Jusqu’à 100 environ, la vitesse est proportionnelle à la quantité de substrat&amp;nbsp;: plus il y a de lactose, plus vite chaque enzyme en trouve un.&lt;br&gt;b) Au-delà de 125 environ, la vitesse ne monte presque plus.&lt;br&gt;c) Les enzymes sont presque toujours occupées&amp;nbsp;: elles sont &lt;b&gt;saturées&lt;/b&gt;. Chacune met un certain temps pour couper un lactose&amp;nbsp;; ajouter du substrat n’y change rien. Pour aller plus vite, il faut plus d’enzyme.</source>
        <translation>a) Up to about 100, the rate is proportional to the amount of substrate: the more lactose there is, the sooner each enzyme finds one.&lt;br&gt;b) Beyond about 125, the rate hardly rises any more.&lt;br&gt;c) The enzymes are almost always busy: they are &lt;b&gt;saturated&lt;/b&gt;. Each one takes a certain time to cut a lactose molecule; adding substrate does not change that. To go faster, more enzyme is needed.</translation>
    </message>
    <message>
        <source>5. Un inhibiteur&amp;nbsp;: le thiolactose</source>
        <translation>5. An inhibitor: thiolactose</translation>
    </message>
    <message>
        <source>1. Choisissez l’&lt;b&gt;hydrolyse du lactose&lt;/b&gt;. %1 &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;.&lt;br&gt;2. Démarrez avec 0, puis 50, 100 et 200&amp;nbsp;molécules de &lt;b&gt;thiolactose&lt;/b&gt;&amp;nbsp;; notez le temps de demi-réaction.&lt;br&gt;3. Avec 100&amp;nbsp;thiolactoses, comparez 50 et 200&amp;nbsp;molécules de substrat&amp;nbsp;: lactose coupé en &lt;b&gt;10&amp;nbsp;s&lt;/b&gt;, avec et sans thiolactose.</source>
        <translation>1. Choose &lt;b&gt;lactose hydrolysis&lt;/b&gt;. %1 &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;.&lt;br&gt;2. Start with 0, then 50, 100 and 200&amp;nbsp;molecules of &lt;b&gt;thiolactose&lt;/b&gt;; note the half-time.&lt;br&gt;3. With 100&amp;nbsp;thiolactose molecules, compare 50 and 200&amp;nbsp;substrate molecules: lactose cut in &lt;b&gt;10&amp;nbsp;s&lt;/b&gt;, with and without thiolactose.</translation>
    </message>
    <message>
        <source>a) Quel est l’effet du thiolactose&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) L’effet est-il le même avec peu ou beaucoup de lactose&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Pourquoi parle-t-on de &lt;b&gt;compétition&lt;/b&gt;&amp;nbsp;?</source>
        <translation>a) What is the effect of thiolactose?&lt;br&gt;&lt;br&gt;b) Is the effect the same with little or with a lot of lactose?&lt;br&gt;&lt;br&gt;c) Why do we speak of &lt;b&gt;competition&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>Lactose coupé en 10&amp;nbsp;s</source>
        <translation>Lactose cut in 10&amp;nbsp;s</translation>
    </message>
    <message>
        <source>a) Plus il y a de thiolactose, plus la réaction est lente&amp;nbsp;: la lactase le fixe et le garde sans le couper, et pendant ce temps elle ne coupe pas de lactose.&lt;br&gt;b) Avec 50&amp;nbsp;molécules de lactose, le thiolactose divise la vitesse par deux environ&amp;nbsp;; avec 200, la vitesse garde les deux tiers de sa valeur.&lt;br&gt;c) Lactose et thiolactose se disputent les mêmes sites actifs&amp;nbsp;: plus il y a de lactose, moins l’inhibiteur gêne. C’est un &lt;b&gt;inhibiteur compétitif&lt;/b&gt;.</source>
        <translation>a) The more thiolactose there is, the slower the reaction: lactase binds it and holds it without cutting it, and all that time it cuts no lactose.&lt;br&gt;b) With 50&amp;nbsp;lactose molecules, thiolactose roughly halves the rate; with 200, the rate keeps two thirds of its value.&lt;br&gt;c) Lactose and thiolactose compete for the same active sites: the more lactose there is, the less the inhibitor gets in the way. It is a &lt;b&gt;competitive inhibitor&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>6. Les quatre réactions</source>
        <translation>6. The four reactions</translation>
    </message>
    <message>
        <source>1. Réglez &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, 20&amp;nbsp;molécules d’enzyme, 100 de substrat.&lt;br&gt;2. Pour chacune des quatre réactions (flèches ◀ ▶), essayez pH&amp;nbsp;6, 7 et 8 et gardez le plus rapide.&lt;br&gt;3. Notez le temps de demi-réaction, et regardez les molécules formées.</source>
        <translation>1. Set &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, 20&amp;nbsp;enzyme molecules, 100 substrate molecules.&lt;br&gt;2. For each of the four reactions (arrows ◀&amp;nbsp;▶), try pH&amp;nbsp;6, 7 and 8 and keep the fastest.&lt;br&gt;3. Note the half-time, and look at the molecules formed.</translation>
    </message>
    <message>
        <source>a) Quel est le pH optimal de chaque enzyme&amp;nbsp;?&lt;br&gt;&lt;br&gt;b) Quels produits voit-on pour chaque réaction&amp;nbsp;?&lt;br&gt;&lt;br&gt;c) Pourquoi la courbe de la synthèse du lactose ne descend-elle pas jusqu’à zéro&amp;nbsp;?&lt;br&gt;&lt;br&gt;d) Quel test de laboratoire suivrait chaque réaction&amp;nbsp;?</source>
        <translation>a) What is the optimum pH of each enzyme?&lt;br&gt;&lt;br&gt;b) Which products do you see for each reaction?&lt;br&gt;&lt;br&gt;c) Why does the curve of lactose synthesis not go down to zero?&lt;br&gt;&lt;br&gt;d) Which laboratory test would follow each reaction?</translation>
    </message>
    <message>
        <source>a) pH&amp;nbsp;8 pour la lactase et la lactose synthase, pH&amp;nbsp;6 pour la maltase, pH&amp;nbsp;7 pour l’amylase.&lt;br&gt;b) Glucose et galactose&amp;nbsp;; lactose et UDP&amp;nbsp;; deux glucoses&amp;nbsp;; maltose.&lt;br&gt;c) Dans le modèle, à la fin, des enzymes tiennent chacune un seul des deux réactifs et attendent l’autre&amp;nbsp;: il reste quelques pour cent de glucose.&lt;br&gt;d) Voyez le sujet «&amp;nbsp;Quel test pour quelle réaction&amp;nbsp;?&amp;nbsp;» du menu.</source>
        <translation>a) pH&amp;nbsp;8 for lactase and lactose synthase, pH&amp;nbsp;6 for maltase, pH&amp;nbsp;7 for amylase.&lt;br&gt;b) Glucose and galactose; lactose and UDP; two glucose molecules; maltose.&lt;br&gt;c) In the model, at the end, some enzymes each hold only one of the two reactants and wait for the other: a few per cent of the glucose is left.&lt;br&gt;d) See the topic “Which test for which reaction?” in the menu.</translation>
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
        <source>lactose&amp;nbsp;: 25</source>
        <translation>lactose: 25</translation>
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
        <source>lactose&amp;nbsp;: 125</source>
        <translation>lactose: 125</translation>
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
        <source>sans thiolactose</source>
        <translation>no thiolactose</translation>
    </message>
    <message>
        <source>thiolactose&amp;nbsp;: 50</source>
        <translation>thiolactose: 50</translation>
    </message>
    <message>
        <source>thiolactose&amp;nbsp;: 100</source>
        <translation>thiolactose: 100</translation>
    </message>
    <message>
        <source>thiolactose&amp;nbsp;: 200</source>
        <translation>thiolactose: 200</translation>
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
        <source>avant&amp;nbsp;: eau iodée bleu-noir</source>
        <translation>before: iodine solution blue-black</translation>
    </message>
    <message>
        <source>après&amp;nbsp;: eau iodée orangée</source>
        <translation>after: iodine solution orange-brown</translation>
    </message>
    <message>
        <source>après, neutralisé&amp;nbsp;: Fehling rouge brique</source>
        <translation>after, neutralised: Fehling’s test brick-red</translation>
    </message>
    <message>
        <source>L’amidon a disparu et des sucres réducteurs sont apparus. Attention&amp;nbsp;: la liqueur de Fehling ne marche qu’en milieu basique, il faut d’abord &lt;b&gt;neutraliser&lt;/b&gt; l’acide (par de la soude). L’acide n’est &lt;b&gt;pas spécifique&lt;/b&gt;&amp;nbsp;: il coupe l’amidon, le maltose, le lactose, le saccharose…</source>
        <translation>The starch has gone and reducing sugars have appeared. Careful: Fehling’s solution only works in alkaline conditions, so the acid must first be &lt;b&gt;neutralised&lt;/b&gt; (with sodium hydroxide). The acid is &lt;b&gt;not specific&lt;/b&gt;: it cuts starch, maltose, lactose, sucrose…</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, en dessous de &lt;b&gt;pH&amp;nbsp;3&lt;/b&gt; et au-dessus de &lt;b&gt;30&amp;nbsp;°C&lt;/b&gt;, chaque molécule de sucre libre a, à chaque instant, une petite chance d’être coupée sans enzyme&amp;nbsp;: le lactose en glucose et galactose, le maltose en deux glucoses, les chaînes d’amylose n’importe où. Cette chance grandit avec la température&amp;nbsp;; elle double à pH&amp;nbsp;1 et elle est dix fois plus grande à pH&amp;nbsp;0.</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, below &lt;b&gt;pH&amp;nbsp;3&lt;/b&gt; and above &lt;b&gt;30&amp;nbsp;°C&lt;/b&gt;, each free sugar molecule has, at every moment, a small chance of being cut without an enzyme: lactose into glucose and galactose, maltose into two glucose molecules, amylose chains anywhere. This chance grows with temperature; it doubles at pH&amp;nbsp;1 and is ten times greater at pH&amp;nbsp;0.</translation>
    </message>
    <message>
        <source>Sans enzyme, 100&amp;nbsp;molécules au départ, ce qui reste après 100&amp;nbsp;s&amp;nbsp;:</source>
        <translation>Without an enzyme, 100&amp;nbsp;molecules at the start; what is left after 100&amp;nbsp;s:</translation>
    </message>
    <message>
        <source>Même à pH&amp;nbsp;0 et à 80&amp;nbsp;°C, il faut près de trois minutes pour couper la moitié du lactose&amp;nbsp;; avec la lactase, à 37&amp;nbsp;°C et à pH&amp;nbsp;8, la moitié est coupée en %1. À pH&amp;nbsp;0, les enzymes du modèle sont toutes chargées&amp;nbsp;: seul l’acide agit.</source>
        <translation>Even at pH&amp;nbsp;0 and 80&amp;nbsp;°C, it takes nearly three minutes to cut half of the lactose; with lactase, at 37&amp;nbsp;°C and pH&amp;nbsp;8, half of it is cut in %1. At pH&amp;nbsp;0, the model’s enzymes are all charged: only the acid acts.</translation>
    </message>
    <message>
        <source>Au laboratoire, l’hydrolyse acide de l’amidon demande plusieurs minutes au bain-marie bouillant&amp;nbsp;; le modèle s’arrête à 80&amp;nbsp;°C.</source>
        <translation>In the laboratory, the acid hydrolysis of starch takes several minutes in a boiling water bath; the model stops at 80&amp;nbsp;°C.</translation>
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
        <source>37&amp;nbsp;°C, pH proche de la neutralité</source>
        <translation>37&amp;nbsp;°C, pH close to neutral</translation>
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
        <source>rapide&amp;nbsp;: une enzyme coupe des milliers de molécules par seconde</source>
        <translation>fast: one enzyme cuts thousands of molecules per second</translation>
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
        <translation>yes: the whole of digestion</translation>
    </message>
    <message>
        <source>L’acide et l’enzyme sont tous deux des catalyseurs&amp;nbsp;: ils ne changent pas le résultat (les mêmes oses), seulement la vitesse et les conditions.</source>
        <translation>The acid and the enzyme are both catalysts: they do not change the result (the same monosaccharides), only the rate and the conditions.</translation>
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
        <source>2. Il entre dans le site actif&amp;nbsp;: c’est le complexe enzyme-substrat.</source>
        <translation>2. It enters the active site: this is the enzyme-substrate complex.</translation>
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
        <source>Une enzyme est &lt;b&gt;spécifique&lt;/b&gt;. La lactase reconnaît la liaison β d’un galactose&amp;nbsp;: elle ne coupe pas la liaison α(1→4) du maltose. La maltase reconnaît un glucose lié en α&amp;nbsp;: elle ne coupe pas le lactose.</source>
        <translation>An enzyme is &lt;b&gt;specific&lt;/b&gt;. Lactase recognises the β bond of a galactose: it does not cut the α(1→4) bond of maltose. Maltase recognises an α-linked glucose: it does not cut lactose.</translation>
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
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, chaque réaction a son enzyme&amp;nbsp;: la spécificité est donnée d’avance, le modèle ne la simule pas. Les quatre enzymes y ont le même dessin&amp;nbsp;; seule leur couleur les distingue.</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, each reaction has its own enzyme: specificity is given in advance, the model does not simulate it. The four enzymes are drawn alike; only their colour tells them apart.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’organisme.&lt;/b&gt; Le maltose vient de l’amidon, coupé par les amylases de la salive et du pancréas. La maltase est portée par la membrane des cellules de l’&lt;b&gt;intestin grêle&lt;/b&gt;&amp;nbsp;: le glucose libéré passe dans le sang. Elle travaille vers 37&amp;nbsp;°C et à un pH proche de 6 à 7.</source>
        <translation>&lt;b&gt;In the body.&lt;/b&gt; Maltose comes from starch, cut by the amylases of saliva and of the pancreas. Maltase is carried by the membrane of the cells of the &lt;b&gt;small intestine&lt;/b&gt;: the glucose released passes into the blood. It works at about 37&amp;nbsp;°C and at a pH close to 6 to 7.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, choisissez l’&lt;b&gt;hydrolyse du maltose&lt;/b&gt;. Le graphique suit le maltose qui reste&amp;nbsp;; chaque maltose coupé donne deux glucoses. La maltase du modèle a son optimum à &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;. Avec 20&amp;nbsp;enzymes et 100&amp;nbsp;molécules de maltose à 37&amp;nbsp;°C, la moitié du maltose est hydrolysée en&amp;nbsp;:</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, choose &lt;b&gt;maltose hydrolysis&lt;/b&gt;. The graph follows the maltose left; each maltose cut gives two glucose molecules. The model’s maltase has its optimum at &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;. With 20&amp;nbsp;enzymes and 100&amp;nbsp;maltose molecules at 37&amp;nbsp;°C, half of the maltose is hydrolysed in:</translation>
    </message>
    <message>
        <source>Ces durées sont celles du modèle, pas celles d’un tube à essai. Pour suivre cette réaction au laboratoire, la liqueur de Fehling ne sert à rien&amp;nbsp;: le maltose et le glucose la réduisent tous les deux. On cherche l’apparition du glucose avec une bandelette.</source>
        <translation>These times are the model’s, not those of a test tube. To follow this reaction in the laboratory, Fehling’s solution is no use: maltose and glucose both reduce it. Instead, look for glucose appearing, with a test strip.</translation>
    </message>
</context>
<context>
    <name>synthese</name>
    <message>
        <source>La synthèse du lactose</source>
        <translation>The synthesis of lactose</translation>
    </message>
    <message>
        <source>Le lactose n’existe que dans le &lt;b&gt;lait&lt;/b&gt;. Il est fabriqué par les cellules de la &lt;b&gt;glande mammaire&lt;/b&gt; pendant l’allaitement, à partir du glucose apporté par le sang. L’enzyme est la &lt;b&gt;lactose synthase&lt;/b&gt;.</source>
        <translation>Lactose is found only in &lt;b&gt;milk&lt;/b&gt;. It is made by the cells of the &lt;b&gt;mammary gland&lt;/b&gt; during lactation, from glucose brought by the blood. The enzyme is &lt;b&gt;lactose synthase&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>glucose</source>
        <translation>glucose</translation>
    </message>
    <message>
        <source>UDP-galactose</source>
        <translation>UDP-galactose</translation>
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
        <source>glucose + UDP-galactose</source>
        <translation>glucose + UDP-galactose</translation>
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
        <source>L’UDP-galactose est lui-même fabriqué dans la cellule à partir du glucose.</source>
        <translation>UDP-galactose is itself made in the cell from glucose.</translation>
    </message>
    <message>
        <source>1. Un glucose et un UDP-galactose rencontrent la lactose synthase.</source>
        <translation>1. A glucose and a UDP-galactose meet lactose synthase.</translation>
    </message>
    <message>
        <source>2. Tous deux se fixent sur le site actif.</source>
        <translation>2. Both bind to the active site.</translation>
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
        <source>&lt;b&gt;Dans Velmora&lt;/b&gt;, choisissez la &lt;b&gt;synthèse du lactose&lt;/b&gt;. La quantité de substrat règle à la fois le glucose et l’UDP-galactose, en nombres égaux&amp;nbsp;; le graphique suit le &lt;b&gt;glucose&lt;/b&gt; qui reste. L’enzyme du modèle a son optimum à &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;.</source>
        <translation>&lt;b&gt;In Velmora&lt;/b&gt;, choose &lt;b&gt;lactose synthesis&lt;/b&gt;. The amount of substrate sets both the glucose and the UDP-galactose, in equal numbers; the graph follows the &lt;b&gt;glucose&lt;/b&gt; left. The model’s enzyme has its optimum at &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>À 37&amp;nbsp;°C et à pH&amp;nbsp;8, avec 20&amp;nbsp;enzymes et 100&amp;nbsp;glucoses, la moitié du glucose est utilisée en %1. Mais après deux minutes, il en reste encore %2&amp;nbsp;: la courbe ne descend pas jusqu’à zéro.</source>
        <translation>At 37&amp;nbsp;°C and pH&amp;nbsp;8, with 20&amp;nbsp;enzymes and 100&amp;nbsp;glucose molecules, half of the glucose is used up in %1. But after two minutes, %2 of it is still left: the curve does not go down to zero.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Pourquoi&amp;nbsp;?&lt;/b&gt; Dans le modèle, une enzyme peut fixer un glucose et attendre un UDP-galactose. À la fin, quelques enzymes tiennent chacune un glucose, d’autres chacune un UDP-galactose&amp;nbsp;: plus aucune ne réunit les deux, et la réaction s’arrête. C’est une simplification du modèle.</source>
        <translation>&lt;b&gt;Why?&lt;/b&gt; In the model, an enzyme can bind a glucose and wait for a UDP-galactose. At the end, a few enzymes each hold a glucose, others each hold a UDP-galactose: none of them brings the two together any more, and the reaction stops. This is a simplification of the model.</translation>
    </message>
    <message>
        <source>Dans la cellule, l’enzyme travaille dans l’appareil de Golgi, à 37&amp;nbsp;°C&amp;nbsp;; le lactose formé est sécrété dans le lait. Dans Velmora, le lactose formé n’est pas hydrolysé&amp;nbsp;: il n’y a pas de lactase dans cette expérience.</source>
        <translation>In the cell, the enzyme works in the Golgi apparatus, at 37&amp;nbsp;°C; the lactose formed is secreted into the milk. In Velmora, the lactose formed is not hydrolysed: there is no lactase in this experiment.</translation>
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
        <translation>Orange-brown; &lt;b&gt;blue-black with starch&lt;/b&gt;. It shows starch, and starch only.</translation>
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
        <translation>no use: no starch</translation>
    </message>
    <message>
        <source>rouge brique avant et après&amp;nbsp;: inutile, le lactose est déjà réducteur</source>
        <translation>brick-red before and after: no use, lactose is already reducing</translation>
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
        <translation>brick-red before and after: no use, glucose and lactose are both reducing</translation>
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
        <translation>brick-red before and after: no use, maltose and glucose are both reducing</translation>
    </message>
    <message>
        <source>Hydrolyse de l’amidon (amylose)</source>
        <translation>Starch (amylose) hydrolysis</translation>
    </message>
    <message>
        <source>bleu-noir, puis orangée&amp;nbsp;: l’amidon disparaît</source>
        <translation>blue-black, then orange-brown: the starch disappears</translation>
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
        <source>lactose</source>
        <translation>lactose</translation>
    </message>
    <message>
        <source>thiolactose&amp;nbsp;: le soufre est en jaune</source>
        <translation>thiolactose: the sulfur is in yellow</translation>
    </message>
    <message>
        <source>1. Le thiolactose entre dans le site actif&amp;nbsp;: sa forme convient.</source>
        <translation>1. Thiolactose enters the active site: its shape fits.</translation>
    </message>
    <message>
        <source>2. La lactase ne sait pas couper la liaison avec le soufre&amp;nbsp;: elle le retient sans le transformer.</source>
        <translation>2. Lactase cannot cut the bond with the sulfur: it holds the molecule without changing it.</translation>
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
        <source>Dans Velmora, choisissez l’hydrolyse du lactose (pH&amp;nbsp;8, 37&amp;nbsp;°C, 20&amp;nbsp;enzymes) et réglez le curseur &lt;b&gt;Thiolactose&lt;/b&gt;. Avec 100&amp;nbsp;molécules de lactose, la moitié du lactose est hydrolysée en&amp;nbsp;:</source>
        <translation>In Velmora, choose lactose hydrolysis (pH&amp;nbsp;8, 37&amp;nbsp;°C, 20&amp;nbsp;enzymes) and set the &lt;b&gt;Thiolactose&lt;/b&gt; slider. With 100&amp;nbsp;lactose molecules, half of the lactose is hydrolysed in:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Une compétition.&lt;/b&gt; Lactose et thiolactose se disputent les sites actifs. Avec plus de lactose, une lactase libre a plus de chances de rencontrer un lactose&amp;nbsp;: l’inhibiteur gêne moins. Lactose coupé pendant les 10 premières secondes&amp;nbsp;:</source>
        <translation>&lt;b&gt;Competition.&lt;/b&gt; Lactose and thiolactose compete for the active sites. With more lactose, a free lactase is more likely to meet a lactose molecule: the inhibitor gets in the way less. Lactose cut in the first 10 seconds:</translation>
    </message>
    <message>
        <source>Avec 50&amp;nbsp;molécules de lactose, le thiolactose divise la vitesse par deux environ&amp;nbsp;; avec 200, la vitesse garde les deux tiers de sa valeur. C’est la marque d’un &lt;b&gt;inhibiteur compétitif&lt;/b&gt;.</source>
        <translation>With 50&amp;nbsp;lactose molecules, thiolactose roughly halves the rate; with 200, the rate keeps two thirds of its value. This is the mark of a &lt;b&gt;competitive inhibitor&lt;/b&gt;.</translation>
    </message>
</context>
</TS>
