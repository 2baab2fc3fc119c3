<html>
<head><title>Brolant</title><meta http-equiv="refresh" content="60"></head>
<body>
<h1>Brolant</h1>
<table>
<tr><td>Battery</td><td><VV> V</td></tr>
<tr><td>Current</td><td><II> A</td></tr>
<tr><td>Power</td><td><WW> W</td></tr>
<tr><td>Energy today</td><td><WH> Wh</td></tr>
<tr><td>Generator</td><td><RR> rpm</td></tr>
<tr><td>Wind speed</td><td><SS></td></tr>
<tr><td>Mode</td><td><MM></td></tr>
</table>
<p>Updated <TT></p>
</body>
</html>