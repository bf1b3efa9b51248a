# The font packages the set-up installs: the only fonts the program and its tests may rely
# on (sourced by install-deps.sh and test-fonts.sh).
font_packages=(
  fonts-liberation2 fonts-dejavu fonts-tlwg-garuda fonts-wqy-zenhei
  fonts-ipafont-gothic fonts-ipafont-mincho
)
