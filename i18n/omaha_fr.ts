<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutOmaha</name>
    <message>
        <source>About Omaha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omaha %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed-limit Omaha poker, you against seven computer players.

The rules are under Game → About (F1).

Free software under the MIT licence.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AiLevel</name>
    <message>
        <source>Amateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>under 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over 99%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cards: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 + %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance against %1 player: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance against %1 players: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call %1 to win %2: you need %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FiguresTable</name>
    <message>
        <source>Hands played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won at the showdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won by folds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folded before the flop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biggest pot won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two pairs %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight %1 High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush %1 High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full house %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight flush</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>New game: every seat starts with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You hold %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You post the small blind %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 posts the small blind %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You post the big blind %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 posts the big blind %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You call %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 calls %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You raise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 raises %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flop: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>River: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 = %3 + %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You take %1 of the pot of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes %2 of the pot of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You take the pot of %1, won by folds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You win!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value is off limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New initial cash value confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New until value confirmation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rank</name>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ranks</name>
    <message>
        <source>Twos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>Hand records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands are not recorded: neither XDG_DATA_HOME nor HOME names a folder to keep them in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Unable to record hands in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the game: it is left as it is, and hands are not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was damaged: it was moved to %2, and a new record of hands begun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of the game is using %1: the hand was not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you fold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small blind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>big blind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 , %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableDescription</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cards: %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community cards: %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards face down: %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards face up: %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cards: %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableLabels</name>
    <message>
        <source>Your cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha</name>
    <message>
        <source>in play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::CashChart</name>
    <message>
        <source>This game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 to %3 in %4 hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 to %3 in %4 hands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cash, hand by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hands recorded yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::CoachBar</name>
    <message>
        <source>Coach</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::FiguresTable</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::HistoryWindow</name>
    <message>
        <source>Hand history</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::MainWindow</name>
    <message>
        <source>A new game gives every seat the initial cash of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new game gives every seat the initial cash typed in the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omaha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale the table with the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Omaha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::OptionsPanel</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter initial cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play until </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>someone wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play until someone wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter play until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AI level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betting limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leather</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::OptionsUpDown</name>
    <message>
        <source>Lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Higher</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::RulesWindow</name>
    <message>
        <source>First, each player is dealt four cards face down,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>followed by the first round of betting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three community cards are then dealt face up,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and the second round of betting occurs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then a fourth community card is dealt face up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>followed by another round of betting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finally, a fifth community card is dealt face up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and the final round of betting ensues. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All players still in the game reveal their cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best hand formed from TWO player&apos;s cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and THREE community cards wins the pot </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the first and second rounds all bets are small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>while in rounds three and four, they are big</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check - a player stays in the game without betting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold - withdraw from the current deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call - match the bet made by another player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pot - The money at stake in a deal;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omaha rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export every hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every recorded hand as text, in a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to export the hands to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>omaha::TableSurface</name>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
