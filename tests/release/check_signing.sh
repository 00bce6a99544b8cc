#!/usr/bin/env bash
# Signing: with a throwaway self-signed code-signing certificate made here by
# openssl, scripts/pack-signed signs both programs, archives and packages the
# signed ones and signs the package; osslsigncode verifies every signature
# against that certificate. The tree's own (unsigned) files carry none.
# Usage: check_signing.sh VERSION ARCH SCR DLL ZIP MSI
set -euo pipefail
version=$1
arch=$2
scr=$(realpath "$3")
dll=$(realpath "$4")
unsigned_zip=$(realpath "$5")
unsigned_msi=$(realpath "$6")
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/check_lib.sh"
cd "$work"

openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
  -subj "/CN=Kalendra test signer" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
printf 'throwaway %s\n' "$RANDOM$RANDOM" >password.txt
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.pfx \
  -passout "file:password.txt" 2>/dev/null

bash "$top/scripts/pack-signed" out "$version" "$arch" "$scr" "$dll" cert.pfx password.txt

# Signed by the test's certificate and intact.
verifies() {
  osslsigncode verify -CAfile cert.pem -in "$1" >verify.log 2>&1 &&
    grep -q "Subject: /CN=Kalendra test signer" verify.log
}

unzip -q "out/Kalendra-$version-$arch.zip" -d zip
mkdir msi
(cd msi && msiextract "../out/Kalendra-$version-$arch.msi" >/dev/null)
for program in Kalendra.scr Kalendra.dll; do
  verifies "zip/$program" || fail "$program in the archive: $(tail -3 verify.log)"
  cmp -s "$(find msi -name "$program")" "zip/$program" ||
    fail "$program in the package is not the signed one of the archive"
done
verifies "out/Kalendra-$version-$arch.msi" || fail "the package: $(tail -3 verify.log)"

# Without a certificate nothing is signed.
unzip -q "$unsigned_zip" -d unsigned
for file in unsigned/Kalendra.scr unsigned/Kalendra.dll "$unsigned_msi"; do
  ! osslsigncode verify -in "$file" >/dev/null 2>&1 || fail "$file carries a signature"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "signing ($arch): programs, archive and package signed and verified"
