Domain Name: free.mu
Domain Status: No Object Found

TERMS OF USE: You are not authorized to access or query this WHOIS database through high-volume and automated electronic processes.

Domains up to 3 letters are premium domains and require a special registration process. Please contact your registrar for additional information.

Internet Direct Ltd makes every effort to maintain the completeness and accuracy of the WHOIS data, but cannot guarantee that the results are error-free. Therefore, any data provided through the WHOIS service are on an "as is" basis without any warranties. 

BY USING THE WHOIS SERVICE AND THE DATA CONTAINED HEREIN OR IN ANY REPORT GENERATED WITH RESPECT THERETO, IT IS ACCEPTED THAT INTERNET DIRECT LTD IS NOT LIABLE FOR ANY DAMAGES OF ANY KIND ARISING OUT OF, OR IN CONNECTION WITH, THE REPORT OR THE INFORMATION PROVIDED BY THE WHOIS SERVICE, NOR OMISSIONS OR MISSING INFORMATION. THE RESULTS OF ANY WHOIS REPORT OR INFORMATION PROVIDED BY THE WHOIS SERVICE CANNOT BE RELIED UPON IN CONTEMPLATION OF LEGAL PROCEEDINGS WITHOUT FURTHER VERIFICATION, NOR DO SUCH RESULTS CONSTITUTE A LEGAL OPINION. 

Acceptance of the results of the WHOIS constitutes acceptance of these terms, conditions and limitations. WHOIS data may be requested only for lawful purposes, in particular, to protect legal rights and obligations. Illegitimate uses of WHOIS data include, but are not limited to, unsolicited email, data mining, direct marketing or any other improper purpose. Any request made for WHOIS data will be documented by Internet Direct Ltd but will not be used for any commercial purpose whatsoever. NOTE: FAILURE TO LOCATE A RECORD IN THE WHOIS DATABASE IS NOT INDICATIVE OF THE AVAILABILITY OF A DOMAIN NAME.

? 1995-2015 Internet Direct Ltd, All rights reserved.

>>> Last update of WHOIS database: 2017-11-18T21:20:48.359Z <<<
