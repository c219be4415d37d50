// Zelvo Online-Katalog: Warenhauptgruppen
var wh = [
'O@Chemie und Hilfsmittel@1'
];
