<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>Temps écoulé&#xa0;?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>Le temps fixé par l&apos;alarme est écoulé. Voulez-vous terminer cette partie&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Attribuer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Démo&#xa0;: touche ou clic</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>pour reprendre votre partie.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>sur la carte %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>sur la colonne vide %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>sur une fondation vide.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Jouez la carte %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Déposez la carte %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>sur la défausse adverse.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Déplacez la carte %1 et sa suite</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Déplacez la carte %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Redescendez la carte %1</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Retournez la carte cachée</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>de la colonne %1.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Retournez votre défausse</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>pour piocher à nouveau.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Retournez une carte</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>de votre pioche.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>&amp;Paramètres du jeu</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistiques…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Démo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>&amp;Prendre un instantané</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>Restaurer l&apos;&amp;instantané</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;larme</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>Ajuster la table à la &amp;fenêtre</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Aperçu rapide des règles</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Rien à jouer&#xa0;: terminez votre</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>tour au tableau des scores.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Aucun camp ne progresse.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 lance une nouvelle partie.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>Impossible d&apos;enregistrer la liste des joueurs dans %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Veuillez saisir un nom pour le joueur.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>Le nom d&apos;un joueur ne peut contenir ni saut de ligne ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>Le nom d&apos;un joueur ne peut contenir ni [ ni ].</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>Le nom d&apos;un joueur ne peut ni commencer ni finir par une espace.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Ce nom est trop long.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Ce nom est réservé à l&apos;usage du programme.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Il existe déjà un joueur nommé %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Voulez-vous vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Supprimer le joueur</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres %1. Les paramètres, les statistiques et la partie sauvegardée ne peuvent pas être enregistrés.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carte face cachée</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n carte face cachée</numerusform>
            <numerusform>%n cartes face cachée</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Colonne %1&#xa0;: vide</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Fondation %1&#xa0;: vide</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Fondation %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Votre pioche, vide</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Votre pioche, 1 carte</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Votre pioche, %n carte</numerusform>
            <numerusform>Votre pioche, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Tableau des scores&#xa0;: vos cartes %1, celles de l&apos;ordinateur %2, victoires %3, défaites %4</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Vous retournez votre défausse.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>L&apos;ordinateur retourne sa défausse.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Vous retournez une carte.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>L&apos;ordinateur retourne une carte.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Vous retournez la carte cachée de la colonne %1.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>L&apos;ordinateur retourne la carte cachée de la colonne %1.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Vous déposez la carte %1 sur la défausse adverse.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>L&apos;ordinateur dépose la carte %1 sur votre défausse.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Vous prenez la carte %1.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>La carte %1 revient à sa place.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>La carte %1 ne peut pas aller là&#xa0;; elle revient à sa place.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>À vous de jouer.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Au tour de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Vous avez gagné la partie&#xa0;!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>L&apos;ordinateur a gagné la partie.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Votre défausse&#xa0;: vide</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Défausse de l&apos;ordinateur&#xa0;: vide</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Votre défausse&#xa0;: %1, 1 carte</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Défausse de l&apos;ordinateur&#xa0;: %1, 1 carte</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Votre défausse&#xa0;: %1, %n carte</numerusform>
            <numerusform>Votre défausse&#xa0;: %1, %n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Défausse de l&apos;ordinateur&#xa0;: %1, %n carte</numerusform>
            <numerusform>Défausse de l&apos;ordinateur&#xa0;: %1, %n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>À partir de la carte %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Vous jouez la carte %1 sur la carte %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>L&apos;ordinateur joue la carte %1 sur la carte %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Vous jouez la carte %1 sur une fondation vide.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>L&apos;ordinateur joue la carte %1 sur une fondation vide.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Vous jouez la carte %1 sur la colonne vide %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>L&apos;ordinateur joue la carte %1 sur la colonne vide %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel est déjà en cours d&apos;exécution sur l&apos;écran %1, avec les paramètres de %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>L&apos;ordinateur a gagné.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Victoires&#xa0;: %1   Défaites&#xa0;: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 lance une nouvelle partie</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Appuyez sur F2 pour rejouer.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partie terminée&#xa0;!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>À vous. Pour finir, cliquez</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>sur le tableau des scores.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Il vous reste&#xa0;: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Reste à l&apos;adversaire&#xa0;: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Victoires&#xa0;: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Défaites&#xa0;: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Tableau des scores</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Vous avez perdu la dernière partie, c&apos;est donc l&apos;ordinateur qui commence cette fois.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Vous devez retourner une carte.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Vous devez d&apos;abord retourner une carte.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Réalisé par les développeurs de Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 les développeurs de Tandrel.
Logiciel libre sous licence GNU General Public License,
version 3 ou (à votre choix) toute version ultérieure.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Page du projet et assistance&#xa0;: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation>M&apos;avertir après 1 minute de jeu.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>M&apos;avertir après %n minute de jeu.</numerusform>
            <numerusform>M&apos;avertir après %n minutes de jeu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Minutes de jeu</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Paramètres du jeu</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>Afficher les statisti&amp;ques</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>Sauve&amp;garde auto</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Joueur</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Ajout&amp;er</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Pioche</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Une</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>Adve&amp;rsaire</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
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
        <source>Pla&amp;y Speed</source>
        <translation>R&amp;ythme de jeu</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;mation</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>&amp;Vitesse d&apos;animation</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>So&amp;ns</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>Vic&amp;toire</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>&amp;Défaite</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>&amp;Image de fond</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>&amp;Fond coloré</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>Couleurs de fond &amp;unies</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Changer &amp;la couleur</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>C&amp;hanger l&apos;image</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>Dos des &amp;cartes</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Saisissez le nom du nouveau joueur.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nouveau joueur</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>La table et le dos des cartes tels qu&apos;ils apparaîtront</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Manuel de %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Le manuel est introuvable&lt;/h2&gt;&lt;p&gt;Tandrel lit son manuel dans &lt;b&gt;%1&lt;/b&gt;, et ce fichier n&apos;existe pas.&lt;/p&gt;&lt;p&gt;Le manuel est fourni avec les fichiers par défaut du programme, dans leur dossier &lt;tt&gt;handbook&lt;/tt&gt;&#xa0;: à côté du programme, dans son dossier de compilation (une nouvelle compilation le remet en place), ou dans &lt;tt&gt;share/tandrel&lt;/tt&gt; pour un programme installé (une nouvelle installation le remet en place). En attendant, &lt;b&gt;Aide, Aperçu rapide des règles&lt;/b&gt; donne les règles en bref.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>l&apos;image est trop grande (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>ce n&apos;est pas une image que ce programme sait lire.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>Impossible d&apos;afficher %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>L&apos;image choisie telle que la table l&apos;affichera</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>Le jeu se déroule à peu près comme une réussite classique, à trois exceptions près. D&apos;abord, vous pouvez jouer sur la défausse de votre adversaire comme sur une fondation ou une colonne. Ensuite, quand vous jouez sur la défausse de votre adversaire, vous pouvez monter ou descendre&#xa0;: un huit rouge peut ainsi se poser sur un sept noir comme sur un neuf noir. Enfin, le premier joueur qui a posé toutes ses cartes gagne. Pour une explication plus détaillée des règles, consultez l&apos;aide.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Bon à savoir également&#xa0;: vous pouvez jouer les cartes de deux façons. Vous pouvez bien sûr cliquer, faire glisser et déposer avec le bouton gauche de la souris. Mais il est plus simple d&apos;utiliser le bouton droit&#xa0;: un clic droit sur une carte ou sur une pile de cartes les joue automatiquement.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Aperçu rapide des règles</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>Choisir un fichier WAV</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>%n fichier trouvé</numerusform>
            <numerusform>%n fichiers trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
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
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Série de victoires en cours&#xa0;:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Plus longue série de victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Plus longue série</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Tous les joueurs</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Tous les niveaux</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Réinitialiser les statistiques de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Vos parties par niveau</translation>
    </message>
</context>
</TS>
