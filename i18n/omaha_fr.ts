<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutOmaha</name>
    <message>
        <source>About Omaha</source>
        <translation>À propos d&apos;Omaha</translation>
    </message>
    <message>
        <source>Omaha %1</source>
        <translation>Omaha %1</translation>
    </message>
    <message>
        <source>Fixed-limit Omaha poker, you against seven computer players.

The rules are under Game → About (F1).

Free software under the MIT licence.</source>
        <translation>Poker Omaha à limite fixe, vous contre sept joueurs tenus par l&apos;ordinateur.

Les règles sont dans Partie → À propos (F1).

Logiciel libre sous licence MIT.</translation>
    </message>
</context>
<context>
    <name>AiLevel</name>
    <message>
        <source>Amateur</source>
        <translation>Amateur</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>under 1%</source>
        <translation>moins de 1&#xa0;%</translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation>plus de 99&#xa0;%</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation>Vos cartes&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 + %3</source>
        <translation>%1&#xa0;: %2 + %3</translation>
    </message>
    <message>
        <source>Chance against %1 player: %2</source>
        <translation>Chances contre %1 joueur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Chance against %1 players: %2</source>
        <translation>Chances contre %1 joueurs&#xa0;: %2</translation>
    </message>
    <message>
        <source>Call %1 to win %2: you need %3</source>
        <translation>Suivre %1 pour gagner %2&#xa0;: il vous faut %3</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>%1</source>
        <translation>Hauteur %1</translation>
    </message>
    <message>
        <source>One pair %1</source>
        <translation>Paire %1</translation>
    </message>
    <message>
        <source>Two pairs %1</source>
        <translation>Double paire %1</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Brelan %1</translation>
    </message>
    <message>
        <source>Straight %1 High</source>
        <translation>Quinte hauteur %1</translation>
    </message>
    <message>
        <source>Flush %1 High</source>
        <translation>Couleur hauteur %1</translation>
    </message>
    <message>
        <source>Full house %1</source>
        <translation>Full %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Carré %1</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Quinte flush</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>New game: every seat starts with %1</source>
        <translation>Nouvelle partie&#xa0;: chaque joueur commence avec %1</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Main %1</translation>
    </message>
    <message>
        <source>You hold %1</source>
        <translation>Vous recevez %1</translation>
    </message>
    <message>
        <source>You post the small blind %1</source>
        <translation>Vous payez la petite blinde de %1</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation>%1 paie la petite blinde de %2</translation>
    </message>
    <message>
        <source>You post the big blind %1</source>
        <translation>Vous payez la grosse blinde de %1</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation>%1 paie la grosse blinde de %2</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Vous dites parole</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 dit parole</translation>
    </message>
    <message>
        <source>You call %1</source>
        <translation>Vous suivez %1</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 suit %2</translation>
    </message>
    <message>
        <source>You raise %1</source>
        <translation>Vous relancez %1</translation>
    </message>
    <message>
        <source>%1 raises %2</source>
        <translation>%1 relance %2</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Vous vous couchez</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 se couche</translation>
    </message>
    <message>
        <source>Flop: %1</source>
        <translation>Flop&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <translation>Turn&#xa0;: %1</translation>
    </message>
    <message>
        <source>River: %1</source>
        <translation>River&#xa0;: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>%1: %2 = %3 + %4</source>
        <translation>%1&#xa0;: %2 = %3 + %4</translation>
    </message>
    <message>
        <source>You take %1 of the pot of %2</source>
        <translation>Vous prenez %1 du pot de %2</translation>
    </message>
    <message>
        <source>%1 takes %2 of the pot of %3</source>
        <translation>%1 prend %2 du pot de %3</translation>
    </message>
    <message>
        <source>You take the pot of %1, won by folds</source>
        <translation>Vous prenez le pot de %1, les autres se sont couchés</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You win!</source>
        <translation>Vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Vous avez perdu&#xa0;!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 a gagné</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation>la valeur est hors limites</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Valeur non valide</translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation>Nouveaux jetons de départ confirmés</translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation>Nouveau gain visé confirmé</translation>
    </message>
</context>
<context>
    <name>Rank</name>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Twos</source>
        <translation>de Deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>de Trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>de Quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>de Cinq</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>de Six</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>de Sept</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>de Huit</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>de Neuf</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>de Dix</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>de Valets</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>de Dames</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>de Rois</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>d&apos;As</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Hand records</source>
        <translation>Mains enregistrées</translation>
    </message>
    <message>
        <source>Hands are not recorded: neither XDG_DATA_HOME nor HOME names a folder to keep them in.</source>
        <translation>Les mains ne sont pas enregistrées&#xa0;: ni XDG_DATA_HOME ni HOME n&apos;indique de dossier où les garder.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to record hands in %1: %2</source>
        <translation>Impossible d&apos;enregistrer les mains dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game: it is left as it is, and hands are not recorded.</source>
        <translation>%1 a été écrit par une version plus récente du jeu&#xa0;: il est laissé tel quel, et les mains ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>%1 was damaged: it was moved to %2, and a new record of hands begun.</source>
        <translation>%1 était endommagé&#xa0;: il a été déplacé vers %2, et un nouvel enregistrement des mains a commencé.</translation>
    </message>
    <message>
        <source>Another copy of the game is using %1: the hand was not recorded.</source>
        <translation>Une autre copie du jeu utilise %1&#xa0;: la main n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Calls</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Se couche</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>vous vous couchez</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>petite blinde</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>grosse blinde</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>You</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>%1 , %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>Pot pour %1</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>vous gagnez</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Donner</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relance</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Coucher</translation>
    </message>
</context>
<context>
    <name>TableDescription</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Your cards: %1. </source>
        <translation>Vos cartes&#xa0;: %1. </translation>
    </message>
    <message>
        <source>Community cards: %1. </source>
        <translation>Cartes communes&#xa0;: %1. </translation>
    </message>
    <message>
        <source>Cards face down: %1. </source>
        <translation>Cartes face cachée&#xa0;: %1. </translation>
    </message>
    <message>
        <source>Cards face up: %1. </source>
        <translation>Cartes face visible&#xa0;: %1. </translation>
    </message>
    <message>
        <source>No cards: %1. </source>
        <translation>Sans cartes&#xa0;: %1. </translation>
    </message>
    <message>
        <source>Pot: %1.</source>
        <translation>Pot&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>TableLabels</name>
    <message>
        <source>Your cash</source>
        <translation>Vos jetons</translation>
    </message>
    <message>
        <source>%1&apos;s cash</source>
        <translation>Jetons de %1</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Votre état</translation>
    </message>
    <message>
        <source>%1&apos;s status</source>
        <translation>État de %1</translation>
    </message>
    <message>
        <source>POT:</source>
        <translation>POT:</translation>
    </message>
    <message>
        <source>Pot</source>
        <translation>Pot</translation>
    </message>
    <message>
        <source>You:</source>
        <translation>Vous:</translation>
    </message>
</context>
<context>
    <name>omaha::CashChart</name>
    <message>
        <source>This game</source>
        <translation>Cette partie</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 to %3 in %4 hand.</source>
        <translation>%1&#xa0;: de %2 à %3 en %4 main.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 in %4 hands.</source>
        <translation>%1&#xa0;: de %2 à %3 en %4 mains.</translation>
    </message>
    <message>
        <source>Your cash, hand by hand</source>
        <translation>Vos jetons, main après main</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Jetons</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Aucune main enregistrée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdue</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonnée</translation>
    </message>
</context>
<context>
    <name>omaha::CoachBar</name>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
</context>
<context>
    <name>omaha::FiguresTable</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Au total</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mains jouées</translation>
    </message>
    <message>
        <source>Won at the showdown</source>
        <translation>Gagnées à l&apos;abattage</translation>
    </message>
    <message>
        <source>Won by folds</source>
        <translation>Gagnées sans abattage</translation>
    </message>
    <message>
        <source>Folded before the flop</source>
        <translation>Couché avant le flop</translation>
    </message>
    <message>
        <source>Biggest pot won</source>
        <translation>Plus gros pot gagné</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation>Parties perdues</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Résultat net</translation>
    </message>
</context>
<context>
    <name>omaha::HistoryWindow</name>
    <message>
        <source>Hand history</source>
        <translation>Historique des mains</translation>
    </message>
</context>
<context>
    <name>omaha::MainWindow</name>
    <message>
        <source>A new game gives every seat the initial cash of %1.</source>
        <translation>Une nouvelle partie donne à chaque joueur %1 jetons de départ.</translation>
    </message>
    <message>
        <source>A new game gives every seat the initial cash typed in the options.</source>
        <translation>Une nouvelle partie donne à chaque joueur les jetons de départ saisis dans les options.</translation>
    </message>
    <message>
        <source>Omaha</source>
        <translation>Omaha</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Hand history</source>
        <translation>Historique des mains</translation>
    </message>
    <message>
        <source>Scale the table with the window</source>
        <translation>Adapter la table à la fenêtre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Omaha</source>
        <translation>À propos d&apos;Omaha</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Coach</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
</context>
<context>
    <name>omaha::OptionsPanel</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Initial cash</source>
        <translation>Jetons de départ</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Valider les jetons de départ</translation>
    </message>
    <message>
        <source>Play until </source>
        <translation>Jouer jusqu&apos;à </translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation>un gain de</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Jouer jusqu&apos;à un gain de</translation>
    </message>
    <message>
        <source>Enter play until</source>
        <translation>Valider le gain visé</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>Niveau de l&apos;IA</translation>
    </message>
    <message>
        <source>Betting limits</source>
        <translation>Limites de mise</translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation>Petite&#xa0;:</translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation>Grosse&#xa0;:</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Denum</source>
        <translation>Denim</translation>
    </message>
    <message>
        <source>Cloth</source>
        <translation>Tissu</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Roche</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Cuir</translation>
    </message>
</context>
<context>
    <name>omaha::OptionsUpDown</name>
    <message>
        <source>Lower</source>
        <translation>Plus bas</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>Plus haut</translation>
    </message>
</context>
<context>
    <name>omaha::RulesWindow</name>
    <message>
        <source>First, each player is dealt four cards face down,</source>
        <translation>D&apos;abord, chacun reçoit quatre cartes face cachée,</translation>
    </message>
    <message>
        <source>followed by the first round of betting.</source>
        <translation>puis vient le premier tour de mises.</translation>
    </message>
    <message>
        <source>Three community cards are then dealt face up,</source>
        <translation>Trois cartes communes sont ensuite retournées,</translation>
    </message>
    <message>
        <source>and the second round of betting occurs.</source>
        <translation>et le deuxième tour de mises a lieu.</translation>
    </message>
    <message>
        <source>Then a fourth community card is dealt face up</source>
        <translation>Puis une quatrième carte commune est retournée,</translation>
    </message>
    <message>
        <source>followed by another round of betting.</source>
        <translation>suivie d&apos;un nouveau tour de mises.</translation>
    </message>
    <message>
        <source>Finally, a fifth community card is dealt face up</source>
        <translation>Enfin, la cinquième carte commune est retournée</translation>
    </message>
    <message>
        <source>and the final round of betting ensues. </source>
        <translation>et le dernier tour de mises s&apos;ensuit. </translation>
    </message>
    <message>
        <source>All players still in the game reveal their cards.</source>
        <translation>Les joueurs encore en jeu dévoilent leurs cartes.</translation>
    </message>
    <message>
        <source>The best hand formed from TWO player&apos;s cards</source>
        <translation>La meilleure main faite de DEUX cartes du joueur</translation>
    </message>
    <message>
        <source>and THREE community cards wins the pot </source>
        <translation>et TROIS cartes communes remporte le pot </translation>
    </message>
    <message>
        <source>In the first and second rounds all bets are small</source>
        <translation>Aux deux premiers tours, les mises sont petites,</translation>
    </message>
    <message>
        <source>while in rounds three and four, they are big</source>
        <translation>aux tours trois et quatre, elles sont grosses.</translation>
    </message>
    <message>
        <source>Check - a player stays in the game without betting</source>
        <translation>Parole - le joueur reste dans le coup sans miser</translation>
    </message>
    <message>
        <source>Fold - withdraw from the current deal</source>
        <translation>Se coucher - abandonner la donne en cours</translation>
    </message>
    <message>
        <source>Call - match the bet made by another player.</source>
        <translation>Suivre - égaler la mise d&apos;un autre joueur.</translation>
    </message>
    <message>
        <source>Pot - The money at stake in a deal;</source>
        <translation>Pot - l&apos;argent en jeu dans une donne&#xa0;;</translation>
    </message>
    <message>
        <source>Omaha rules</source>
        <translation>Règles de l&apos;Omaha</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>omaha::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Export every hand</source>
        <translation>Exporter toutes les mains</translation>
    </message>
    <message>
        <source>Every recorded hand as text, in a file</source>
        <translation>Toutes les mains enregistrées, en texte, dans un fichier</translation>
    </message>
    <message>
        <source>Export hands</source>
        <translation>Exporter les mains</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unable to export the hands to %1</source>
        <translation>Impossible d&apos;exporter les mains vers %1</translation>
    </message>
</context>
<context>
    <name>omaha::TableSurface</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
</context>
</TS>
