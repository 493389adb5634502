<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutOmaha</name>
    <message>
        <source>About Omaha</source>
        <translation>Über Omaha</translation>
    </message>
    <message>
        <source>Omaha %1</source>
        <translation>Omaha %1</translation>
    </message>
    <message>
        <source>Fixed-limit Omaha poker, you against seven computer players.

The rules are under Game → About (F1).

Free software under the MIT licence.</source>
        <translation>Omaha-Poker mit festen Limits, du gegen sieben Computerspieler.

Die Regeln findest du unter Spiel → Regeln (F1).

Freie Software unter der MIT-Lizenz.</translation>
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
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>under 1%</source>
        <translation>unter 1%</translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation>über 99%</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation>Deine Karten: %1</translation>
    </message>
    <message>
        <source>%1: %2 + %3</source>
        <translation>%1: %2 + %3</translation>
    </message>
    <message>
        <source>Chance against %1 player: %2</source>
        <translation>Chance gegen %1 Spieler: %2</translation>
    </message>
    <message>
        <source>Chance against %1 players: %2</source>
        <translation>Chance gegen %1 Spieler: %2</translation>
    </message>
    <message>
        <source>Call %1 to win %2: you need %3</source>
        <translation>Call %1, um %2 zu gewinnen: du brauchst %3</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>One pair %1</source>
        <translation>Ein Paar %1</translation>
    </message>
    <message>
        <source>Two pairs %1</source>
        <translation>Zwei Paare %1</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Drilling %1</translation>
    </message>
    <message>
        <source>Straight %1 High</source>
        <translation>Straße, %1 hoch</translation>
    </message>
    <message>
        <source>Flush %1 High</source>
        <translation>Flush, %1 hoch</translation>
    </message>
    <message>
        <source>Full house %1</source>
        <translation>Full House %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Vierling %1</translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation>Straight Flush</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>New game: every seat starts with %1</source>
        <translation>Neues Spiel: Jeder Platz beginnt mit %1</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Hand %1</translation>
    </message>
    <message>
        <source>You hold %1</source>
        <translation>Du hältst %1</translation>
    </message>
    <message>
        <source>You post the small blind %1</source>
        <translation>Du setzt den Small Blind %1</translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation>%1 setzt den Small Blind %2</translation>
    </message>
    <message>
        <source>You post the big blind %1</source>
        <translation>Du setzt den Big Blind %1</translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation>%1 setzt den Big Blind %2</translation>
    </message>
    <message>
        <source>You check</source>
        <translation>Du checkst</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 checkt</translation>
    </message>
    <message>
        <source>You call %1</source>
        <translation>Du callst %1</translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation>%1 callt %2</translation>
    </message>
    <message>
        <source>You raise %1</source>
        <translation>Du raist %1</translation>
    </message>
    <message>
        <source>%1 raises %2</source>
        <translation>%1 raist %2</translation>
    </message>
    <message>
        <source>You fold</source>
        <translation>Du foldest</translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation>%1 foldet</translation>
    </message>
    <message>
        <source>Flop: %1</source>
        <translation>Flop: %1</translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <translation>Turn: %1</translation>
    </message>
    <message>
        <source>River: %1</source>
        <translation>River: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1: %2 = %3 + %4</source>
        <translation>%1: %2 = %3 + %4</translation>
    </message>
    <message>
        <source>You take %1 of the pot of %2</source>
        <translation>Du erhältst %1 aus dem Pot von %2</translation>
    </message>
    <message>
        <source>%1 takes %2 of the pot of %3</source>
        <translation>%1 erhält %2 aus dem Pot von %3</translation>
    </message>
    <message>
        <source>You take the pot of %1, won by folds</source>
        <translation>Du erhältst den Pot von %1, alle anderen haben gefoldet</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You win!</source>
        <translation>Du gewinnst!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Du verlierst!</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation>der Wert liegt außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation>Ungültiger Wert</translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation>Neues Startguthaben bestätigt</translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation>Neues Spielziel bestätigt</translation>
    </message>
</context>
<context>
    <name>Rank</name>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Hand records</source>
        <translation>Aufgezeichnete Hände</translation>
    </message>
    <message>
        <source>Hands are not recorded: neither XDG_DATA_HOME nor HOME names a folder to keep them in.</source>
        <translation>Hände werden nicht aufgezeichnet: Weder XDG_DATA_HOME noch HOME nennt einen Ordner, in dem sie abgelegt werden könnten.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to record hands in %1: %2</source>
        <translation>Hände können nicht in %1 aufgezeichnet werden: %2</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game: it is left as it is, and hands are not recorded.</source>
        <translation>%1 wurde von einer neueren Version des Spiels geschrieben: Die Datei bleibt unverändert, und Hände werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 was damaged: it was moved to %2, and a new record of hands begun.</source>
        <translation>%1 war beschädigt: Die Datei wurde nach %2 verschoben, und eine neue Aufzeichnung der Hände wurde begonnen.</translation>
    </message>
    <message>
        <source>Another copy of the game is using %1: the hand was not recorded.</source>
        <translation>Eine andere Instanz des Spiels verwendet %1: Die Hand wurde nicht aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Calls</source>
        <translation>Callt</translation>
    </message>
    <message>
        <source>Folds</source>
        <translation>Foldet</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Raises</source>
        <translation>Raist</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>you fold</source>
        <translation>du foldest</translation>
    </message>
    <message>
        <source>small blind</source>
        <translation>Small Blind</translation>
    </message>
    <message>
        <source>big blind</source>
        <translation>Big Blind</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>%1 , %2</source>
        <translation>%1 , %2</translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation>Gewinner: %1</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>du gewinnst</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>Fold</source>
        <translation>Fold</translation>
    </message>
</context>
<context>
    <name>TableDescription</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Your cards: %1. </source>
        <translation>Deine Karten: %1. </translation>
    </message>
    <message>
        <source>Community cards: %1. </source>
        <translation>Gemeinschaftskarten: %1. </translation>
    </message>
    <message>
        <source>Cards face down: %1. </source>
        <translation>Verdeckte Karten: %1. </translation>
    </message>
    <message>
        <source>Cards face up: %1. </source>
        <translation>Offene Karten: %1. </translation>
    </message>
    <message>
        <source>No cards: %1. </source>
        <translation>Keine Karten: %1. </translation>
    </message>
    <message>
        <source>Pot: %1.</source>
        <translation>Pot: %1.</translation>
    </message>
</context>
<context>
    <name>TableLabels</name>
    <message>
        <source>Your cash</source>
        <translation>Dein Guthaben</translation>
    </message>
    <message>
        <source>%1&apos;s cash</source>
        <translation>Guthaben von %1</translation>
    </message>
    <message>
        <source>Your status</source>
        <translation>Dein Status</translation>
    </message>
    <message>
        <source>%1&apos;s status</source>
        <translation>Status von %1</translation>
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
        <translation>Du:</translation>
    </message>
</context>
<context>
    <name>omaha::CashChart</name>
    <message>
        <source>This game</source>
        <translation>Dieses Spiel</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1: %2 to %3 in %4 hand.</source>
        <translation>%1: von %2 auf %3 in %4 Hand.</translation>
    </message>
    <message>
        <source>%1: %2 to %3 in %4 hands.</source>
        <translation>%1: von %2 auf %3 in %4 Händen.</translation>
    </message>
    <message>
        <source>Your cash, hand by hand</source>
        <translation>Dein Guthaben, Hand für Hand</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation>Noch keine Hände aufgezeichnet.</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abgebrochen</translation>
    </message>
</context>
<context>
    <name>omaha::CoachBar</name>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
</context>
<context>
    <name>omaha::FiguresTable</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Gespielte Hände</translation>
    </message>
    <message>
        <source>Won at the showdown</source>
        <translation>Im Showdown gewonnen</translation>
    </message>
    <message>
        <source>Won by folds</source>
        <translation>Durch Folds gewonnen</translation>
    </message>
    <message>
        <source>Folded before the flop</source>
        <translation>Vor dem Flop gefoldet</translation>
    </message>
    <message>
        <source>Biggest pot won</source>
        <translation>Größter gewonnener Pot</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation>Verlorene Spiele</translation>
    </message>
    <message>
        <source>Net result</source>
        <translation>Bilanz</translation>
    </message>
</context>
<context>
    <name>omaha::HistoryWindow</name>
    <message>
        <source>Hand history</source>
        <translation>Handverlauf</translation>
    </message>
</context>
<context>
    <name>omaha::MainWindow</name>
    <message>
        <source>A new game gives every seat the initial cash of %1.</source>
        <translation>Ein neues Spiel gibt jedem Platz das Startguthaben von %1.</translation>
    </message>
    <message>
        <source>A new game gives every seat the initial cash typed in the options.</source>
        <translation>Ein neues Spiel gibt jedem Platz das in den Optionen eingegebene Startguthaben.</translation>
    </message>
    <message>
        <source>Omaha</source>
        <translation>Omaha</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Hand history</source>
        <translation>Handverlauf</translation>
    </message>
    <message>
        <source>Scale the table with the window</source>
        <translation>Tisch mit dem Fenster skalieren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Omaha</source>
        <translation>Über Omaha</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
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
        <translation>Startguthaben</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation>Startguthaben setzen</translation>
    </message>
    <message>
        <source>Play until </source>
        <translation>Spielen, bis </translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation>einer gewinnt</translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation>Spielen, bis einer gewinnt</translation>
    </message>
    <message>
        <source>Enter play until</source>
        <translation>Spielziel setzen</translation>
    </message>
    <message>
        <source>AI level</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Betting limits</source>
        <translation>Einsatzlimits</translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation>Kleiner Einsatz:</translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation>Großer Einsatz:</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Denum</source>
        <translation>Jeans</translation>
    </message>
    <message>
        <source>Cloth</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <source>Rock</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leder</translation>
    </message>
</context>
<context>
    <name>omaha::OptionsUpDown</name>
    <message>
        <source>Lower</source>
        <translation>Niedriger</translation>
    </message>
    <message>
        <source>Higher</source>
        <translation>Höher</translation>
    </message>
</context>
<context>
    <name>omaha::RulesWindow</name>
    <message>
        <source>First, each player is dealt four cards face down,</source>
        <translation>Zuerst erhält jeder Spieler vier verdeckte Karten,</translation>
    </message>
    <message>
        <source>followed by the first round of betting.</source>
        <translation>danach folgt die erste Setzrunde.</translation>
    </message>
    <message>
        <source>Three community cards are then dealt face up,</source>
        <translation>Dann kommen drei offene Gemeinschaftskarten,</translation>
    </message>
    <message>
        <source>and the second round of betting occurs.</source>
        <translation>und die zweite Setzrunde findet statt.</translation>
    </message>
    <message>
        <source>Then a fourth community card is dealt face up</source>
        <translation>Dann kommt eine vierte offene Gemeinschaftskarte,</translation>
    </message>
    <message>
        <source>followed by another round of betting.</source>
        <translation>gefolgt von einer weiteren Setzrunde.</translation>
    </message>
    <message>
        <source>Finally, a fifth community card is dealt face up</source>
        <translation>Zuletzt kommt eine fünfte offene Gemeinschaftskarte,</translation>
    </message>
    <message>
        <source>and the final round of betting ensues. </source>
        <translation>und die letzte Setzrunde folgt. </translation>
    </message>
    <message>
        <source>All players still in the game reveal their cards.</source>
        <translation>Alle verbliebenen Spieler decken ihre Karten auf.</translation>
    </message>
    <message>
        <source>The best hand formed from TWO player&apos;s cards</source>
        <translation>Die beste Hand aus ZWEI eigenen Karten</translation>
    </message>
    <message>
        <source>and THREE community cards wins the pot </source>
        <translation>und DREI Gemeinschaftskarten gewinnt den Pot </translation>
    </message>
    <message>
        <source>In the first and second rounds all bets are small</source>
        <translation>In Runde eins und zwei sind alle Einsätze klein,</translation>
    </message>
    <message>
        <source>while in rounds three and four, they are big</source>
        <translation>in Runde drei und vier sind sie groß</translation>
    </message>
    <message>
        <source>Check - a player stays in the game without betting</source>
        <translation>Check - der Spieler bleibt im Spiel, ohne zu setzen</translation>
    </message>
    <message>
        <source>Fold - withdraw from the current deal</source>
        <translation>Fold - aus der laufenden Hand aussteigen</translation>
    </message>
    <message>
        <source>Call - match the bet made by another player.</source>
        <translation>Call - mit dem Einsatz eines Gegners mitgehen.</translation>
    </message>
    <message>
        <source>Pot - The money at stake in a deal;</source>
        <translation>Pot - alle Einsätze einer Hand;</translation>
    </message>
    <message>
        <source>Omaha rules</source>
        <translation>Omaha-Regeln</translation>
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
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export every hand</source>
        <translation>Alle Hände exportieren</translation>
    </message>
    <message>
        <source>Every recorded hand as text, in a file</source>
        <translation>Jede aufgezeichnete Hand als Text in eine Datei</translation>
    </message>
    <message>
        <source>Export hands</source>
        <translation>Hände exportieren</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unable to export the hands to %1</source>
        <translation>Die Hände konnten nicht nach %1 exportiert werden</translation>
    </message>
</context>
<context>
    <name>omaha::TableSurface</name>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
</context>
</TS>
