<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>amylose</name>
    <message>
        <source>L’amidon et les amylases</source>
        <translation>Starch and the amylases</translation>
    </message>
    <message>
        <source>L’&lt;b&gt;amidon&lt;/b&gt;, la réserve de glucose des plantes, est un &lt;b&gt;polyoside&lt;/b&gt;&amp;nbsp;: des milliers de glucoses unis par des liaisons osidiques. Il est fait de deux molécules.</source>
        <translation>&lt;b&gt;Starch&lt;/b&gt;, the glucose store of plants, is a &lt;b&gt;polysaccharide&lt;/b&gt;: thousands of glucose molecules joined by glycosidic bonds. It is made of two kinds of molecule.</translation>
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
        <source>La &lt;b&gt;β-amylase&lt;/b&gt; (graines qui germent&amp;nbsp;: orge, patate douce) détache le &lt;b&gt;maltose&lt;/b&gt;, deux glucoses à la fois, &lt;b&gt;à partir du bout&lt;/b&gt; de la chaîne, un maltose après l’autre.</source>
        <translation>&lt;b&gt;β-Amylase&lt;/b&gt; (germinating barley, sweet potato) removes &lt;b&gt;maltose&lt;/b&gt;, two glucose molecules at a time, &lt;b&gt;from the end&lt;/b&gt; of the chain, one maltose after another.</translation>
    </message>
    <message>
        <source>Aucune des deux ne coupe les liaisons α(1→6)&amp;nbsp;: il reste de petites dextrines ramifiées, que d’autres enzymes de l’intestin coupent. Le maltose est ensuite hydrolysé en glucose par la &lt;b&gt;maltase&lt;/b&gt;.</source>
        <translation>Neither of them cuts α(1→6) bonds: small branched dextrins are left, which other enzymes of the intestine cut. The maltose is then hydrolysed to glucose by &lt;b&gt;maltase&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>L’eau iodée colore l’amidon en se logeant dans l’hélice des chaînes. Plus les chaînes sont courtes, moins la couleur est foncée&amp;nbsp;: pendant la digestion de l’amidon par l’α-amylase, elle passe du &lt;b&gt;bleu-noir&lt;/b&gt; au &lt;b&gt;violet&lt;/b&gt; puis au &lt;b&gt;rouge-brun&lt;/b&gt; (les dextrines).</source>
        <translation>Iodine solution colours starch because the iodine lodges inside the helix of the chains. The shorter the chains, the paler the colour: as α-amylase digests starch, it changes from &lt;b&gt;blue-black&lt;/b&gt; to &lt;b&gt;violet&lt;/b&gt;, then to &lt;b&gt;red-brown&lt;/b&gt; (the dextrins).</translation>
    </message>
    <message>
        <source>amidon</source>
        <translation>starch</translation>
    </message>
    <message>
        <source>longues dextrines</source>
        <translation>long dextrins</translation>
    </message>
    <message>
        <source>dextrines courtes</source>
        <translation>short dextrins</translation>
    </message>
    <message>
        <source>plus d’amidon</source>
        <translation>no starch left</translation>
    </message>
    <message>
        <source>Quand l’eau iodée reste orangée, &lt;b&gt;il n’y a plus d’amidon&lt;/b&gt;&amp;nbsp;; les petits fragments continuent d’être hydrolysés. Pour les voir, il faut un autre test&amp;nbsp;: la liqueur de Fehling (sucres réducteurs).</source>
        <translation>When the iodine solution stays orange-brown, &lt;b&gt;there is no starch left&lt;/b&gt;; the small fragments go on being hydrolysed. To detect them, another test is needed: Fehling’s solution (reducing sugars).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’organisme&lt;/b&gt;, la digestion de l’amidon se fait en trois temps.</source>
        <translation>&lt;b&gt;In the body&lt;/b&gt;, starch is digested in three stages.</translation>
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
        <source>La dernière unité seule devient un maltose d’elle-même (simplification du modèle).</source>
        <translation>The last unit, on its own, becomes a maltose by itself (a simplification of the model).</translation>
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
        <source>une vraie chaîne d’amylose compte des centaines de glucoses&amp;nbsp;; celles du modèle, 10 (5&amp;nbsp;unités)&amp;nbsp;;</source>
        <translation>a real amylose chain has hundreds of glucose molecules; those of the model have 10 (5&amp;nbsp;units);</translation>
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
        <source>la dernière unité d’une chaîne devient un maltose sans enzyme&amp;nbsp;;</source>
        <translation>the last unit of a chain becomes a maltose without any enzyme;</translation>
    </message>
    <message>
        <source>le maltose formé n’est pas hydrolysé&amp;nbsp;: il n’y a pas de maltase dans cette expérience.</source>
        <translation>the maltose formed is not hydrolysed: there is no maltase in this experiment.</translation>
    </message>
    <message>
        <source>Au laboratoire, on suit cette réaction avec l’eau iodée (l’amidon disparaît) et la liqueur de Fehling (le maltose apparaît).</source>
        <translation>In the laboratory, this reaction is followed with iodine solution (the starch disappears) and Fehling’s solution (maltose appears).</translation>
    </message>
</context>
<context>
    <name>eauiodee</name>
    <message>
        <source>L’eau iodée (lugol), le test de l’amidon</source>
        <translation>Iodine solution (Lugol’s), the test for starch</translation>
    </message>
    <message>
        <source>L’&lt;b&gt;eau iodée&lt;/b&gt; (ou lugol) est une solution de diiode dans de l’iodure de potassium, de couleur &lt;b&gt;orangée&lt;/b&gt;. Avec de l’&lt;b&gt;amidon&lt;/b&gt;, elle devient &lt;b&gt;bleu-noir&lt;/b&gt;&amp;nbsp;: le diiode se loge à l’intérieur des longues chaînes d’amylose, enroulées en hélice.</source>
        <translation>&lt;b&gt;Iodine solution&lt;/b&gt; (or Lugol’s solution) is iodine dissolved in potassium iodide solution, &lt;b&gt;orange-brown&lt;/b&gt; in colour. With &lt;b&gt;starch&lt;/b&gt;, it turns &lt;b&gt;blue-black&lt;/b&gt;: the iodine lodges inside the long amylose chains, which are coiled into a helix.</translation>
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
        <translation>orange-brown</translation>
    </message>
    <message>
        <source>On mélange de l’amidon et de la salive, qui contient de l’&lt;b&gt;α-amylase&lt;/b&gt;, et on prélève une goutte toutes les minutes dans de l’eau iodée. L’α-amylase coupe les chaînes &lt;b&gt;au hasard, à l’intérieur&lt;/b&gt;&amp;nbsp;: elles raccourcissent (ce sont des &lt;b&gt;dextrines&lt;/b&gt;), puis donnent surtout du &lt;b&gt;maltose&lt;/b&gt;, qui ne colore pas l’eau iodée. Plus les chaînes sont courtes, moins la couleur est foncée&amp;nbsp;: bleu-noir, violet, rouge-brun, puis l’orangé du lugol.</source>
        <translation>Starch is mixed with saliva, which contains &lt;b&gt;α-amylase&lt;/b&gt;, and every minute a drop is taken and put into iodine solution. α-Amylase cuts the chains &lt;b&gt;at random, from the inside&lt;/b&gt;: they get shorter (these are &lt;b&gt;dextrins&lt;/b&gt;), then give mainly &lt;b&gt;maltose&lt;/b&gt;, which does not colour iodine solution. The shorter the chains, the paler the colour: blue-black, violet, red-brown, then the orange-brown of the iodine solution itself.</translation>
    </message>
    <message>
        <source>%1&#xa0;min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>Quand l’eau iodée reste orangée, il n’y a plus d’amidon&amp;nbsp;; les petits fragments continuent d’être hydrolysés.</source>
        <translation>When the iodine solution stays orange-brown, there is no starch left; the small fragments go on being hydrolysed.</translation>
    </message>
    <message>
        <source>Dans Velmora, choisissez l’&lt;b&gt;hydrolyse de l’amylose&lt;/b&gt;. Chaque chaîne du modèle est une colonne de cinq unités, et &lt;b&gt;une unité représente deux glucoses&lt;/b&gt;. L’enzyme coupe la chaîne &lt;b&gt;par le bas&lt;/b&gt;&amp;nbsp;: chaque coupure enlève une unité et libère un maltose.</source>
        <translation>In Velmora, choose &lt;b&gt;amylose hydrolysis&lt;/b&gt;. Each chain in the model is a column of five units, and &lt;b&gt;one unit stands for two glucose molecules&lt;/b&gt;. The enzyme cuts the chain &lt;b&gt;from the bottom&lt;/b&gt;: each cut removes one unit and releases one maltose.</translation>
    </message>
    <message>
        <source>5 unités</source>
        <translation>5 units</translation>
    </message>
    <message>
        <source>4 unités</source>
        <translation>4 units</translation>
    </message>
    <message>
        <source>1 maltose</source>
        <translation>1 maltose</translation>
    </message>
    <message>
        <source>Une unité du modèle, agrandie&#xa0;: deux glucoses, comme un maltose.</source>
        <translation>One unit of the model, enlarged: two glucose molecules, like a maltose.</translation>
    </message>
    <message>
        <source>L’enzyme du modèle coupe depuis le bout des chaînes, comme la &lt;b&gt;β-amylase&lt;/b&gt; des végétaux (orge germée). L’&lt;b&gt;α-amylase&lt;/b&gt; de la salive et du pancréas, elle, coupe au hasard à l’intérieur des chaînes. Le graphique compte les unités d’amylose qui restent.</source>
        <translation>The model’s enzyme cuts from the end of the chains, like the &lt;b&gt;β-amylase&lt;/b&gt; of plants (germinated barley). The &lt;b&gt;α-amylase&lt;/b&gt; of saliva and the pancreas, on the other hand, cuts at random inside the chains. The graph counts the amylose units that remain.</translation>
    </message>
    <message>
        <source>L’amidon est fait d’amylose (longues chaînes de glucoses unis par des liaisons α(1→4)) et d’amylopectine (chaînes ramifiées par des liaisons α(1→6)). Le maltose est formé de deux glucoses.</source>
        <translation>Starch is made of amylose (long chains of glucose molecules joined by α(1→4) bonds) and amylopectin (chains branched by α(1→6) bonds). Maltose is made of two glucose molecules.</translation>
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
        <source>2. Il entre dans le site actif&amp;nbsp;: c’est le complexe enzyme-substrat.</source>
        <translation>2. It enters the active site: this is the enzyme-substrate complex.</translation>
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
        <source>&lt;b&gt;Dans l’organisme.&lt;/b&gt; La lactase est fabriquée par les cellules de la paroi de l’&lt;b&gt;intestin grêle&lt;/b&gt;. Le glucose et le galactose libérés passent dans le sang&amp;nbsp;; le lactose, lui, ne traverse pas la paroi de l’intestin.</source>
        <translation>&lt;b&gt;In the body.&lt;/b&gt; Lactase is made by the cells lining the &lt;b&gt;small intestine&lt;/b&gt;. The glucose and galactose released pass into the blood; lactose itself does not cross the intestinal wall.</translation>
    </message>
    <message>
        <source>&lt;b&gt;L’intolérance au lactose.&lt;/b&gt; Chez beaucoup d’adultes, l’intestin produit peu de lactase. Le lactose non digéré arrive dans le gros intestin, où des bactéries le fermentent&amp;nbsp;: gaz et maux de ventre.</source>
        <translation>&lt;b&gt;Lactose intolerance.&lt;/b&gt; In many adults, the intestine makes little lactase. Undigested lactose reaches the large intestine, where bacteria ferment it: wind and stomach ache.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Dans l’industrie.&lt;/b&gt; Une lactase produite par des micro-organismes sert à fabriquer du lait «&amp;nbsp;sans lactose&amp;nbsp;», déjà hydrolysé&amp;nbsp;: il a un goût plus sucré, car le glucose et le galactose libérés sont plus sucrés que le lactose.</source>
        <translation>&lt;b&gt;In industry.&lt;/b&gt; Lactase produced by microorganisms is used to make “lactose-free” milk, already hydrolysed: it tastes sweeter, because the glucose and galactose released are sweeter than lactose.</translation>
    </message>
    <message>
        <source>&lt;b&gt;La lactase de Velmora.&lt;/b&gt; Temps mis pour hydrolyser la moitié du lactose, mesuré dans le logiciel (20 enzymes, 100 molécules de lactose, pH&amp;nbsp;8)&amp;nbsp;:</source>
        <translation>&lt;b&gt;Velmora’s lactase.&lt;/b&gt; Time taken to hydrolyse half of the lactose, measured in the program (20 enzymes, 100 lactose molecules, pH&amp;nbsp;8):</translation>
    </message>
    <message>
        <source>température</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>moitié hydrolysée en</source>
        <translation>half hydrolysed in</translation>
    </message>
    <message>
        <source>Dans le modèle, la réaction est la plus rapide entre &lt;b&gt;40 et 50&amp;nbsp;°C&lt;/b&gt;, et à &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;. La lactase de l’intestin humain travaille à la température du corps, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, et vers &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;.</source>
        <translation>In the model, the reaction is fastest between &lt;b&gt;40 and 50&amp;nbsp;°C&lt;/b&gt;, and at &lt;b&gt;pH&amp;nbsp;8&lt;/b&gt;. Human intestinal lactase works at body temperature, &lt;b&gt;37&amp;nbsp;°C&lt;/b&gt;, and at about &lt;b&gt;pH&amp;nbsp;6&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ce que le modèle simplifie&lt;/b&gt;&lt;br&gt;• À 0&amp;nbsp;°C et en dessous, plus rien ne bouge&amp;nbsp;; en réalité, la réaction ralentit beaucoup sans s’arrêter tout à fait.&lt;br&gt;• Au-dessus de 40&amp;nbsp;°C, une part des enzymes est dénaturée aussitôt (la moitié à 60&amp;nbsp;°C, toutes à 80&amp;nbsp;°C)&amp;nbsp;; en réalité, la dénaturation prend du temps.&lt;br&gt;• Loin du pH optimal, une part des enzymes est chargée et ne fixe plus rien, les autres travaillent normalement&amp;nbsp;; en réalité, toutes ralentissent peu à peu.&lt;br&gt;• Quelques centaines de molécules seulement, au lieu de milliards de milliards.&lt;br&gt;• Sans enzyme, le modèle n’hydrolyse les sucres qu’en milieu très acide (pH inférieur à 3) et chaud (plus de 30&amp;nbsp;°C), et lentement.</source>
        <translation>&lt;b&gt;What the model simplifies&lt;/b&gt;&lt;br&gt;• At 0&amp;nbsp;°C and below, nothing moves any more; in reality, the reaction slows down a great deal without stopping completely.&lt;br&gt;• Above 40&amp;nbsp;°C, a share of the enzymes is denatured at once (half at 60&amp;nbsp;°C, all at 80&amp;nbsp;°C); in reality, denaturation takes time.&lt;br&gt;• Far from the optimum pH, a share of the enzymes is charged and binds nothing, while the others work normally; in reality, they all slow down gradually.&lt;br&gt;• Only a few hundred molecules, instead of billions upon billions.&lt;br&gt;• Without an enzyme, the model hydrolyses sugars only in very acidic (pH below 3) and hot (above 30&amp;nbsp;°C) conditions, and slowly.</translation>
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
</context>
<context>
    <name>lactose3d</name>
    <message>
        <source>Le lactose en trois dimensions</source>
        <translation>Lactose in three dimensions</translation>
    </message>
    <message>
        <source>Molécule de lactose en trois dimensions</source>
        <translation>Lactose molecule in three dimensions</translation>
    </message>
    <message>
        <source>Les flèches du clavier la tournent.</source>
        <translation>The arrow keys turn it.</translation>
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
        <source>L’oxygène qui unit les deux sucres est entouré de jaune. Colorés, les carbones du galactose sont roses, ceux du glucose orange.</source>
        <translation>The oxygen that joins the two sugars is ringed in yellow. When coloured, the carbons of galactose are pink and those of glucose orange.</translation>
    </message>
    <message>
        <source>Arrêter la rotation</source>
        <translation>Stop turning</translation>
    </message>
    <message>
        <source>Tourner tout seul</source>
        <translation>Turn by itself</translation>
    </message>
    <message>
        <source>Vue de départ</source>
        <translation>Starting view</translation>
    </message>
    <message>
        <source>Les cycles ne sont pas plats&amp;nbsp;: ils ont la forme d’une &lt;b&gt;chaise&lt;/b&gt;.</source>
        <translation>The rings are not flat: they have a &lt;b&gt;chair&lt;/b&gt; shape.</translation>
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
        <source>Un ose est réducteur quand son carbone «&amp;nbsp;anomère&amp;nbsp;» est libre&amp;nbsp;: le &lt;b&gt;carbone 1&lt;/b&gt; des aldoses comme le glucose et le galactose, le carbone 2 des cétoses comme le fructose. Un diholoside est réducteur s’il garde un carbone anomère libre, comme le lactose et le maltose. &lt;b&gt;Piège&lt;/b&gt;&amp;nbsp;: le &lt;b&gt;saccharose&lt;/b&gt; (le sucre de table) n’est &lt;b&gt;pas réducteur&lt;/b&gt;, car ses deux carbones anomères sont engagés dans la liaison.</source>
        <translation>A monosaccharide is reducing when its “anomeric” carbon is free: &lt;b&gt;carbon 1&lt;/b&gt; of aldoses such as glucose and galactose, carbon 2 of ketoses such as fructose. A disaccharide is reducing if it keeps a free anomeric carbon, as lactose and maltose do. &lt;b&gt;Beware&lt;/b&gt;: &lt;b&gt;sucrose&lt;/b&gt; (table sugar) is &lt;b&gt;not reducing&lt;/b&gt;, as both its anomeric carbons form the bond.</translation>
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
        <source>le carbone 1 du glucose situé en bout de chaîne reste libre</source>
        <translation>carbon 1 of the glucose at the end of the chain stays free</translation>
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
        <source>&lt;b&gt;Attention&amp;nbsp;:&lt;/b&gt; le lactose est déjà réducteur. Pendant son hydrolyse, la liqueur de Fehling reste positive du début à la fin&amp;nbsp;: elle ne montre pas que la réaction a eu lieu.</source>
        <translation>&lt;b&gt;Careful:&lt;/b&gt; lactose is already reducing. During its hydrolysis, Fehling’s test stays positive from start to finish: it does not show that the reaction has taken place.</translation>
    </message>
    <message>
        <source>Pour suivre l’hydrolyse du lactose, on cherche plutôt l’apparition du &lt;b&gt;glucose&lt;/b&gt;, avec une bandelette réactive au glucose&amp;nbsp;: négative avec le lactose seul, elle devient positive quand la lactase a travaillé.</source>
        <translation>To follow the hydrolysis of lactose, look instead for &lt;b&gt;glucose&lt;/b&gt; appearing, with a glucose test strip: negative with lactose alone, it turns positive once the lactase has worked.</translation>
    </message>
    <message>
        <source>Pour l’hydrolyse du maltose, Fehling est inutile aussi&amp;nbsp;: le maltose et le glucose sont tous deux réducteurs.</source>
        <translation>For the hydrolysis of maltose, Fehling’s test is no use either: maltose and glucose are both reducing.</translation>
    </message>
    <message>
        <source>Pour l’hydrolyse de l’amylose, au contraire, Fehling est utile&amp;nbsp;: l’amylose ne réduit presque pas la liqueur, le maltose formé la réduit.</source>
        <translation>For the hydrolysis of amylose, on the other hand, Fehling’s test is useful: amylose hardly reduces the solution, while the maltose formed does.</translation>
    </message>
</context>
<context>
    <name>mecanisme</name>
    <message>
        <source>Le mécanisme de la catalyse enzymatique</source>
        <translation>The mechanism of enzyme catalysis</translation>
    </message>
    <message>
        <source>Une enzyme est une &lt;b&gt;protéine&lt;/b&gt;. Une petite partie de sa surface, le &lt;b&gt;site actif&lt;/b&gt;, a une forme qui &lt;b&gt;complète&lt;/b&gt; celle de son substrat, comme une serrure sa clé. Seules les molécules de forme complémentaire s’y logent&amp;nbsp;: l’enzyme est &lt;b&gt;spécifique&lt;/b&gt;.</source>
        <translation>An enzyme is a &lt;b&gt;protein&lt;/b&gt;. A small part of its surface, the &lt;b&gt;active site&lt;/b&gt;, has a shape &lt;b&gt;complementary&lt;/b&gt; to that of its substrate, as a lock is to its key. Only molecules of the complementary shape fit into it: the enzyme is &lt;b&gt;specific&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>site actif</source>
        <translation>active site</translation>
    </message>
    <message>
        <source>lactose</source>
        <translation>lactose</translation>
    </message>
    <message>
        <source>une autre molécule</source>
        <translation>another molecule</translation>
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
        <source>Plus il fait chaud, plus les molécules s’agitent et se rencontrent souvent&amp;nbsp;: la réaction accélère. Au-delà de 40&amp;nbsp;°C environ, la chaleur déforme la protéine&amp;nbsp;: son site actif est perdu, elle est &lt;b&gt;dénaturée&lt;/b&gt;, et c’est &lt;b&gt;définitif&lt;/b&gt;&amp;nbsp;: refroidie, elle ne fonctionne plus. Le &lt;b&gt;froid&lt;/b&gt;, lui, ralentit la réaction sans abîmer l’enzyme&amp;nbsp;: réchauffée, elle fonctionne de nouveau.</source>
        <translation>The warmer it is, the faster molecules move and the more often they meet: the reaction speeds up. Above about 40&amp;nbsp;°C, heat deforms the protein: its active site is lost, it is &lt;b&gt;denatured&lt;/b&gt;, and this is &lt;b&gt;irreversible&lt;/b&gt;: cooled again, it no longer works. &lt;b&gt;Cold&lt;/b&gt; slows the reaction without harming the enzyme: warmed again, it works once more.</translation>
    </message>
    <message>
        <source>Température&#xa0;: %1&#xa0;°C</source>
        <translation>Temperature: %1&#xa0;°C</translation>
    </message>
    <message>
        <source>Température, %1&#xa0;°C</source>
        <translation>Temperature, %1&#xa0;°C</translation>
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
        <source>Dans Velmora, à 0&amp;nbsp;°C et en dessous, plus rien ne bouge&amp;nbsp;: c’est une simplification du modèle. En réalité, les molécules bougent encore à 0&amp;nbsp;°C&amp;nbsp;: la réaction y est très lente, mais pas nulle.</source>
        <translation>In Velmora, at 0&amp;nbsp;°C and below, nothing moves any more: this is a simplification of the model. In reality, molecules still move at 0&amp;nbsp;°C: the reaction is very slow there, but it does not stop.</translation>
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
        <source>pH, %1</source>
        <translation>pH, %1</translation>
    </message>
    <message>
        <source>pH optimal&#xa0;: site actif libre</source>
        <translation>optimum pH: active site free</translation>
    </message>
    <message>
        <source>trop acide&#xa0;: %1&#xa0;% des enzymes chargées</source>
        <translation>too acidic: %1&#xa0;% of enzymes charged</translation>
    </message>
    <message>
        <source>trop basique&#xa0;: %1&#xa0;% des enzymes chargées</source>
        <translation>too alkaline: %1&#xa0;% of enzymes charged</translation>
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
        <source>… mais l’enzyme ne peut pas le couper&#xa0;: elle est bloquée.</source>
        <translation>… but the enzyme cannot cut it: it is blocked.</translation>
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
        <source>Un &lt;b&gt;inhibiteur compétitif&lt;/b&gt; a une forme proche de celle du substrat&amp;nbsp;: le thiolactose est un lactose dont l’oxygène du pont est remplacé par un atome de soufre. Il entre dans le site actif et l’occupe sans être transformé. Substrat et inhibiteur sont en &lt;b&gt;compétition&lt;/b&gt;&amp;nbsp;: plus il y a de substrat, moins l’inhibiteur gêne.</source>
        <translation>A &lt;b&gt;competitive inhibitor&lt;/b&gt; has a shape close to that of the substrate: thiolactose is a lactose whose bridging oxygen is replaced by a sulfur atom. It enters the active site and occupies it without being changed. Substrate and inhibitor are in &lt;b&gt;competition&lt;/b&gt;: the more substrate there is, the less the inhibitor gets in the way.</translation>
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
</context>
</TS>
