// Zelvo Online-Katalog: Warengruppen
var wg = [
'O0101@Ätzmittel und Entwickler@1'
];
