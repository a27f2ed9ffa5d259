#include "profile_parts.h"

// French keeps a no-break space before its colon and question mark.
const GateTexts gate_texts[5] = {
    {"For a grown-up: press these numbers",
     {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine"},
     "Take this child out of the game?",
     "Their pictures are kept in a backup file."},
    {"Für Erwachsene: Drücke diese Zahlen",
     {"eins", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun"},
     "Dieses Kind aus dem Spiel nehmen?",
     "Seine Bilder bleiben in einer Sicherungsdatei."},
    {"Para un adulto: pulsa estos números",
     {"uno", "dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve"},
     "¿Quitar a este niño del juego?",
     "Sus dibujos se guardan en una copia de seguridad."},
    {"Для взрослых: нажмите эти числа",
     {"один", "два", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять"},
     "Убрать этого ребёнка из игры?",
     "Его рисунки останутся в резервной копии."},
    {"Pour un adulte\u00A0: appuyez sur ces chiffres",
     {"un", "deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf"},
     "Retirer cet enfant du jeu\u00A0?",
     "Ses dessins restent dans une copie de secours."},
};
