// Program entry. Replaced by the real start-up once the application spine lands.
int main() { return 0; }
