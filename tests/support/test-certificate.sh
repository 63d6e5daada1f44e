#!/usr/bin/env bash
# test-certificate.sh DIR: makes in DIR a CA (ca.pem) and a code-signing certificate it issued to
# "CN=Orb Test Publisher, O=Orb Tests", kept with its key and the chain in signer.pfx, whose password is
# the first line of DIR/password; and a time-stamp authority's certificate and openssl configuration
# (tsa.cnf). Valid for two days, for tests only.
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
# A time-stamp authority issued by the same CA, for tests/support/timestamp-server.py (tsa.cnf).
openssl req -newkey rsa:2048 -nodes -keyout tsa.key -out tsa.csr -subj "/CN=Orb Test Time Stamps" 2>/dev/null
printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=critical,timeStamping\n' >tsa.ext
openssl x509 -req -in tsa.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out tsa.pem -days 2 -extfile tsa.ext \
  2>/dev/null
echo 01 >tsa.serial
cat >tsa.cnf <<CNF
[ tsa ]
default_tsa = tsa_config
[ tsa_config ]
serial = $PWD/tsa.serial
signer_cert = $PWD/tsa.pem
signer_key = $PWD/tsa.key
certs = $PWD/ca.pem
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256
accuracy = secs:1
ess_cert_id_alg = sha256
CNF
