<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>Время истекло?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>Время, заданное в будильнике, истекло. Хотите завершить эту игру?</translation>
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
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Прослушать</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Назначить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>двойка</translation>
    </message>
    <message>
        <source>three</source>
        <translation>тройка</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четвёрка</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пятёрка</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шестёрка</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>семёрка</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>восьмёрка</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>девятка</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>десятка</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>туз</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>треф</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червей</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пик</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубен</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Демо: клавиша или щелчок</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>вернёт вашу игру.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>на карту: %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>на пустую стопку %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>на пустую базу.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Положите карту: %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Подкиньте карту: %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>на сброс компьютера.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Переложите карты, начиная с: %1</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Переложите карту: %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Снимите карту: %1</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Переверните закрытую карту</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>в стопке %1.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Переверните свой сброс,</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>чтобы снова брать из колоды.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Откройте карту</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>из своей колоды.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Начать &amp;заново</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>Настройки &amp;игры</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Статистика…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Демонстрация</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Повторить &amp;ход</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>&amp;Запомнить позицию</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>&amp;Восстановить позицию</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Будильник</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>Подогнать &amp;стол под окно</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Разделы справки</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Кратко о правилах</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Ходов нет: завершите</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>ход щелчком по табло.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Игра зашла в тупик.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 — новая раздача.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>Не удалось сохранить список игроков в %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Введите имя игрока.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>Имя игрока не может содержать перевод строки или другой управляющий символ.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>Имя игрока не может содержать символы [ и ].</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>Имя игрока не может начинаться или заканчиваться пробелом.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Это имя слишком длинное.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Это имя зарезервировано для нужд программы.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Игрок с именем %1 уже есть.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Вы действительно хотите удалить игрока %1?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Удаление игрока</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Невозможно записать файл настроек %1. Настройки, статистика и сохранённая игра не будут сохранены.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Игровой стол</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 закрытая карта</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n закрытая карта</numerusform>
            <numerusform>%n закрытые карты</numerusform>
            <numerusform>%n закрытых карт</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Стопка %1 пуста</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Стопка %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>База %1 пуста</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>База %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Ваша колода пуста</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Ваша колода: 1 карта</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Ваша колода: %n карта</numerusform>
            <numerusform>Ваша колода: %n карты</numerusform>
            <numerusform>Ваша колода: %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Табло. Карт у вас: %1, у компьютера: %2. Победы: %3, поражения: %4.</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Вы переворачиваете свой сброс.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>Компьютер переворачивает свой сброс.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Вы открываете карту.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>Компьютер открывает карту.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Вы переворачиваете закрытую карту в стопке %1.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>Компьютер переворачивает закрытую карту в стопке %1.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Вы подкидываете на сброс компьютера карту: %1.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>Компьютер подкидывает на ваш сброс карту: %1.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Вы берёте карту: %1.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>%1 возвращается на место.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>%1 сюда не подходит и возвращается на место.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Ваш ход.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Ход компьютера.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Вы выиграли игру!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>Компьютер выиграл игру.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Ваш сброс пуст</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Сброс компьютера пуст</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Ваш сброс: %1, 1 карта</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Сброс компьютера: %1, 1 карта</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Ваш сброс: %1, %n карта</numerusform>
            <numerusform>Ваш сброс: %1, %n карты</numerusform>
            <numerusform>Ваш сброс: %1, %n карт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Сброс компьютера: %1, %n карта</numerusform>
            <numerusform>Сброс компьютера: %1, %n карты</numerusform>
            <numerusform>Сброс компьютера: %1, %n карт</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>Начиная с карты: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Вы кладёте карту: %1, на карту: %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>Компьютер кладёт карту: %1, на карту: %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Вы кладёте карту: %1, на пустую базу.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>Компьютер кладёт карту: %1, на пустую базу.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Вы кладёте карту: %1, на пустую стопку %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>Компьютер кладёт карту: %1, на пустую стопку %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel уже запущен на дисплее %1 с настройками из %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Вы победили!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>Компьютер победил.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Победы: %1   Поражения: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 — новая раздача</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Новая игра — нажмите F2.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Игра окончена!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Ваш ход. Закончив, щёлкните</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>по табло со счётом.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Карт у вас: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Карт у соперника: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Победы: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Поражения: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Табло</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Раунд %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Вы проиграли прошлую игру, поэтому на этот раз первым ходит компьютер.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Вы должны открыть карту.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Сначала нужно открыть карту.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Создано разработчиками Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 разработчики Tandrel.
Свободная программа под лицензией GNU General Public License
версии 3 или (по вашему выбору) любой более поздней версии.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Страница проекта и поддержка: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версия %1.%2</translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation>Предупредить меня через 1 минуту игры.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Предупредить меня через %n минуту игры.</numerusform>
            <numerusform>Предупредить меня через %n минуты игры.</numerusform>
            <numerusform>Предупредить меня через %n минут игры.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Минуты игры</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Настройки игры</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>&amp;Показывать статистику</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>Автосо&amp;хранение</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Игрок</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Брать карты</translation>
    </message>
    <message>
        <source>One</source>
        <translation>По одной</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>По две</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>По три</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>&amp;Соперник</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>Скорость и&amp;гры</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Быстрее</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>&amp;Анимация</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>Скорость ани&amp;мации</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Звуки</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>Поб&amp;еда</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>Пора&amp;жение</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>&amp;Фоновый рисунок</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>&amp;Цветной фон</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>Од&amp;нотонные цвета фона</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Изменить ц&amp;вет</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>Изменить &amp;рисунок</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>Рубашка &amp;карт</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Введите имя нового игрока.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Новый игрок</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>Стол и рубашка карт так, как они будут выглядеть</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Руководство %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Домой</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Руководство не найдено&lt;/h2&gt;&lt;p&gt;Tandrel читает руководство из &lt;b&gt;%1&lt;/b&gt;, но этого файла там нет.&lt;/p&gt;&lt;p&gt;Руководство поставляется вместе со стандартными файлами программы, в их папке &lt;tt&gt;handbook&lt;/tt&gt;: рядом с программой в её папке сборки (повторная сборка вернёт его на место) или в &lt;tt&gt;share/tandrel&lt;/tt&gt; для установленной программы (повторная установка вернёт его на место). А пока краткие правила можно прочитать в меню &lt;b&gt;Справка, Кратко о правилах&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>он слишком большой (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>это не изображение в формате, который может прочитать программа.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Фоновый рисунок</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Рисунки</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Образец</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>Не удаётся показать файл %1: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>Выбранный рисунок так, как его покажет стол</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>Игра идёт почти так же, как в обычном пасьянсе, но с тремя исключениями. Во-первых, вы можете класть карты на сброс соперника так же, как на базу или на стопки. Во-вторых, на сброс соперника карты можно класть в обоих направлениях: например, красную восьмёрку можно положить как на чёрную семёрку, так и на чёрную девятку. И наконец, побеждает тот, кто первым избавится от всех своих карт. Подробнее правила описаны в справке.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Кроме того, полезно знать, что разыгрывать карты можно двумя способами. Конечно, их можно перетаскивать мышью, удерживая левую кнопку. Но проще воспользоваться правой кнопкой: щёлкните правой кнопкой мыши по любой карте или стопке карт, и они будут сыграны автоматически.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Кратко о правилах</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>Выбор файла WAV</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>Найден %n файл</numerusform>
            <numerusform>Найдено %n файла</numerusform>
            <numerusform>Найдено %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Поражения</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Выиграно</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Текущая серия побед:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Самая длинная серия побед:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Самая длинная серия</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Все игроки</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Все уровни</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Сбросить статистику игрока %1?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Ваши игры по уровням</translation>
    </message>
</context>
</TS>
