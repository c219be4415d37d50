// Zelvo Online-Katalog: Warenhauptgruppen
var wh = [
'A@Bauelemente passiv@1',
'B@Halbleiter@6',
'C@Optoelektronik@10',
'D@Elektromechanik@14',
'E@Steckverbinder@18',
'F@Kabel und Leitungen@23',
'G@Gehäuse@26',
'H@Stromversorgung@29',
'I@Messtechnik@34',
'J@Werkzeug@38',
'K@Löttechnik@42',
'L@Computer und Netzwerk@45',
'M@Akustik und Sensorik@48',
'N@Chemie und Hilfsmittel@50',
'O@Fachliteratur@53'
];

