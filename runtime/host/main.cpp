// Program entry: hands the command-line tail to the host.
int main()
{
    return 0;
}
