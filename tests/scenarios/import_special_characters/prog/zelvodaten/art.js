// Zelvo Online-Katalog: Artikeldaten https://www.zelvo.de/Katalog/2026/12/01 Stand 01.12.2026
var art = [
'O0101@Platzhalter@@@@@@Chemix@Erster Artikel@@1@1@1@1@1@100@@@@@@@@@@@@@@@@@10@1',
'O0101@Ätzmittel@Ölfrei@@@@@Chemix@10Ω ±5% 2€@4,7µF@1@1@1@1@1@1990@@@@@@@@@@@@@@@@@1A@1',
'O0101@ÄTZ-2@@@@@@Chemix@4,7μF 25V 105°C@„Eisen-III“ – 22Ω@1@1@1@1@1@990@@@@@@@@@@@@@@@@@1B@1'
];
