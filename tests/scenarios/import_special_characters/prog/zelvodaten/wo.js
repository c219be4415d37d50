// Zelvo Online-Katalog: Warenobergruppen
var wo = [
'O01@Platinenherstellung@1'
];
