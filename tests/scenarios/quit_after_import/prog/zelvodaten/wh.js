// Zelvo Online-Katalog: Warenhauptgruppen
var wh = [
'A@Widerstände und Potentiometer@1',
'B@Bauelemente passiv@3',
'C@Halbleiter@6',
'D@Optoelektronik@10',
'E@Elektromechanik@14',
'F@Steckverbinder@18',
'G@Kabel und Leitungen@23',
'H@Gehäuse@26',
'I@Stromversorgung@29',
'J@Messtechnik@34',
'K@Werkzeug@38',
'L@Löttechnik@42',
'M@Computer und Netzwerk@45',
'N@Akustik und Sensorik@48',
'O@Chemie und Hilfsmittel@50',
'P@Fachliteratur@53'
];

