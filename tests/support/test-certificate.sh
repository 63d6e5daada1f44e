#!/usr/bin/env bash
# test-certificate.sh DIR: makes in DIR a CA (ca.pem) and a code-signing certificate it issued to
# "CN=Orb Test Publisher, O=Orb Tests", kept with its key and the chain in signer.pfx, whose password is
# the first line of DIR/password. Valid for two days, for tests only.
set -euo pipefail
cd "$1"
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Orb Test CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj "/CN=Orb Test Publisher/O=Orb Tests" \
  2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out signer.pem -days 2 \
  -extfile signer.ext 2>/dev/null
printf 'pass word\n' >password
openssl pkcs12 -export -out signer.pfx -inkey signer.key -in signer.pem -certfile ca.pem -passout file:password
