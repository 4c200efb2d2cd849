# fish completion for bands: options, the values of --tolerance,
# --coefficient, --series and --color, and colour names.
complete -c bands -f
complete -c bands -s h -l help -d 'Print the usage and examples'
complete -c bands -l version -d 'Print the version'
complete -c bands -l value -x -d 'Print the colours of a value'
complete -c bands -l tolerance -x -a '0.01% 0.02% 0.05% 0.1% 0.25% 0.5% 1% 2% 5% 10% 20%' -d 'Tolerance band of the value'
complete -c bands -l coefficient -x -a '1 5 10 15 20 25 50 100 250' -d 'Six-band code with this temperature coefficient (ppm/K)'
complete -c bands -l series -x -a 'E3 E6 E12 E24 E48 E96 E192' -d 'Nearest values of a standard series'
complete -c bands -l details -d 'Range, standard series, reading from the other end; what a marking is'
complete -c bands -l color -x -a 'never always auto' -d 'Draw the resistor in colour'
complete -c bands -n 'not __fish_seen_argument -l value' \
    -a 'black brown red orange yellow green blue violet grey white gold silver pink none'
