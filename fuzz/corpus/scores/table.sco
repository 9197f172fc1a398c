"Anonyme"," 125"
"Hélène"," 90"
"Dernier, "vu""," 7"
